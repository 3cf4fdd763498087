// Draws random expressions with random property values on a small canvas.
// Input layout: 16 settings bytes, then lines: each expression line is
// followed by its step line and its colour line.
#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/TCanvas.h"
#include "plot/TQGraphics.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// A world bound from one byte: mostly small values, sometimes extreme ones.
long double Bound(std::uint8_t b)
{
    static const long double extremes[] = {0, 1E-300L, -1E300L, 1E300L, 1E4000L, -1E4000L, 2147483648.0L, 1E-12L};
    if (b >= 248)
        return extremes[b - 248];
    return (static_cast<int>(b) - 124) / 4.0L;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 16)
        return 0;
    const std::uint8_t* s = data;
    std::vector<std::string> lines(1);
    for (std::size_t i = 16; i < size; ++i) {
        if (data[i] == '\n')
            lines.emplace_back();
        else
            lines.back() += static_cast<char>(data[i]);
    }
    std::vector<std::string> expressions, steps, colors;
    for (std::size_t i = 0; i < lines.size(); ++i)
        (i % 3 == 0 ? expressions : i % 3 == 1 ? steps : colors).push_back(lines[i]);

    TQGraphics g(nullptr);
    g.SetExpressions(TStringList(expressions));
    g.SetSteps(TStringList(steps));
    g.SetColors(TStringList(colors));
    g.SetMinusX(Bound(s[0]));
    g.SetPlusX(Bound(s[1]));
    g.SetMinusY(Bound(s[2]));
    g.SetPlusY(Bound(s[3]));
    g.SetGridSpace(Bound(s[4]));
    g.SetAbstand(Bound(s[5]));
    // Sizes around the canvas's, negative and extreme ones included.
    const int sizes[] = {0, -1, 1, 2, 11, 48, 64, 2147483647, -2147483647 - 1};
    g.SetDestWidth(s[6] < 9 ? sizes[s[6]] : s[6] % 70);
    g.SetDestHeight(s[7] < 9 ? sizes[s[7]] : s[7] % 70);
    g.SetGrid(s[8] & 1);
    g.SetCross(s[8] & 2);
    g.SetPointsOnly(s[8] & 4);
    g.SetClearCanvas(s[8] & 8);
    g.SetBackground(static_cast<TColor>(s[9] & 1 ? 0xC0C0C0 : s[9] * 0x010101));
    g.SetGridColor(static_cast<TColor>(s[10] * 0x010101));
    g.SetCrossColor(static_cast<TColor>(s[11] * 0x010101));
    const int cancelAt = s[12];
    int calls = 0;
    Application().SetProcessMessagesHook([&] {
        if (++calls == cancelAt)
            g.Cancel();
    });
    TCanvas canvas(s[13] % 80, s[14] % 60, static_cast<TColor>(s[15] * 0x010101));
    try {
        const int result = g.DrawToCanvas(canvas);
        if (result < -1 || result > static_cast<int>(expressions.size()))
            __builtin_trap();
    } catch (const Exception&) {
        // Index errors and floating-point faults outside the points reach the caller.
    }
    Application().SetProcessMessagesHook({});
    return 0;
}
