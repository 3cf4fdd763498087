#include "platform/TCanvas.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <limits>
#include <utility>

TCanvas::TCanvas(int width, int height, TColor fill)
    : FWidth(std::max(width, 0)), FHeight(std::max(height, 0)),
      FPixels(static_cast<std::size_t>(FWidth) * static_cast<std::size_t>(FHeight), fill)
{
}

TColor TCanvas::Pixel(int x, int y) const
{
    if (!Inside(x, y))
        return -1;
    return FPixels[static_cast<std::size_t>(y) * FWidth + x];
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (Inside(x, y))
        FPixels[static_cast<std::size_t>(y) * FWidth + x] = color;
}

void TCanvas::FillRect(const TRect& rect)
{
    const int left = std::max(rect.Left, 0);
    const int top = std::max(rect.Top, 0);
    const int right = std::min(rect.Right, FWidth);
    const int bottom = std::min(rect.Bottom, FHeight);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            FPixels[static_cast<std::size_t>(y) * FWidth + x] = Brush.Color;
}

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style)
{
    if (!Inside(x, y))
        return;
    // Filled pixels may keep satisfying the test (the brush colour need not
    // differ from what was there), so visited pixels are tracked apart.
    std::vector<bool> visited(FPixels.size(), false);
    auto fillable = [&](int px, int py) {
        const std::size_t i = static_cast<std::size_t>(py) * FWidth + px;
        if (visited[i])
            return false;
        const bool match = FPixels[i] == color;
        return style == TFillStyle::fsBorder ? !match : match;
    };
    if (!fillable(x, y))
        return;

    std::vector<std::pair<int, int>> seeds{{x, y}};
    while (!seeds.empty()) {
        auto [sx, sy] = seeds.back();
        seeds.pop_back();
        if (!fillable(sx, sy))
            continue;
        int left = sx;
        while (left > 0 && fillable(left - 1, sy))
            --left;
        int right = sx;
        while (right + 1 < FWidth && fillable(right + 1, sy))
            ++right;
        for (int px = left; px <= right; ++px) {
            const std::size_t i = static_cast<std::size_t>(sy) * FWidth + px;
            visited[i] = true;
            FPixels[i] = Brush.Color;
        }
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= FHeight)
                continue;
            bool inRun = false;
            for (int px = left; px <= right; ++px) {
                const bool f = fillable(px, ny);
                if (f && !inRun)
                    seeds.emplace_back(px, ny);
                inRun = f;
            }
        }
    }
}

void TCanvas::MoveTo(int x, int y)
{
    FPenX = x;
    FPenY = y;
}

void TCanvas::LineTo(int x, int y)
{
    const std::int64_t x0 = FPenX, y0 = FPenY;
    FPenX = x;
    FPenY = y;
    const std::int64_t dx = x - x0, dy = y - y0;
    const std::int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const std::int64_t n = xMajor ? adx : ady; // pixels drawn: steps 0 .. n-1
    if (n == 0)
        return;
    const std::int64_t major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
    const std::int64_t majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const std::int64_t minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const std::int64_t dMinor = xMajor ? ady : adx;
    const std::int64_t limit = xMajor ? FWidth : FHeight;

    // Only the steps whose major coordinate lies on the canvas can set a
    // pixel, so a line with far-off ends costs no more than the canvas size.
    std::int64_t lo = 0, hi = n - 1;
    if (majorStep > 0) {
        lo = std::max(lo, -major0);
        hi = std::min(hi, limit - 1 - major0);
    } else {
        lo = std::max(lo, major0 - (limit - 1));
        hi = std::min(hi, major0);
    }
    for (std::int64_t i = lo; i <= hi; ++i) {
        // The minor coordinate is i * dMinor / n rounded half up, the
        // midpoint rule of Bresenham's algorithm in closed form.
        const __int128 num = static_cast<__int128>(2) * i * dMinor + n;
        const std::int64_t offset = static_cast<std::int64_t>(num / (2 * static_cast<__int128>(n)));
        const std::int64_t major = major0 + majorStep * i;
        const std::int64_t minor = minor0 + minorStep * offset;
        const std::int64_t px = xMajor ? major : minor, py = xMajor ? minor : major;
        if (Inside(px, py))
            FPixels[static_cast<std::size_t>(py) * FWidth + px] = Pen.Color;
    }
}

std::int32_t AtoL(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    const std::int64_t bound = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min(value * 10 + (text[i] - '0'), bound);
    return static_cast<std::int32_t>(negative ? -value : value);
}
