#include "plot/TQGraphics.h"

#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/NumericEnvironment.h"
#include "plot/QParser.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>

namespace {

constexpr TColor ClearColor = clSilver;

// Truncates toward zero to a 32-bit integer. Values beyond the range are
// clamped, so a far-off point maps to a coordinate off the canvas instead of
// an undefined one; the lower bound leaves room for the drawing's Y - 1.
// Not-a-number is an invalid operation, as on the FPU.
int Trunc32(long double v)
{
    if (std::isnan(v))
        throw EInvalidOp();
    if (v >= static_cast<long double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (v <= static_cast<long double>(std::numeric_limits<std::int32_t>::min() + 1))
        return std::numeric_limits<std::int32_t>::min() + 1;
    return static_cast<int>(v);
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return -FloorDiv(-a, b); }

std::int64_t Abs64(int v) { return v < 0 ? -static_cast<std::int64_t>(v) : v; }

TPropertyInfo Colour(TPropertyInfo info)
{
    info.Idents = ColorIdents();
    return info;
}

} // namespace

TQGraphics::TQGraphics(TComponent* owner)
    : TComponent(owner), FExpressions(new TStringList), FColors(new TStringList), FSteps(new TStringList),
      FBackground(16777215), FPointsOnly(true), FCross(true), FCrossColor(0), FGrid(false), FGridColor(12632256),
      FGridSpace(1), FX_From(-10), FX_To(10), FY_From(-10), FY_To(10), FDestinationWidth(640),
      FDestinationHeight(480), FY_MaxDifference(0), FCancelled(false), FClearCanvas(true)
{
}

TQGraphics::~TQGraphics()
{
    delete FExpressions;
    delete FColors;
    delete FSteps;
}

const TPropertyList& TQGraphics::Properties() const
{
    using T = TQGraphics;
    static const TPropertyList properties = Inherit(TComponent::Properties(), {
        Published("Expressions", &T::ExpressionLines, &T::SetExpressionLines),
        Published("Colors", &T::ColorLines, &T::SetColorLines),
        Published("Steps", &T::StepLines, &T::SetStepLines),
        Colour(Published("Background", &T::Background, &T::SetBackground, 16777215)),
        Published("PointsOnly", &T::PointsOnly, &T::SetPointsOnly, true),
        Published("Cross", &T::Cross, &T::SetCross, true),
        Colour(Published("CrossColor", &T::CrossColor, &T::SetCrossColor, 0)),
        Published("Grid", &T::Grid, &T::SetGrid, false),
        Colour(Published("GridColor", &T::GridColor, &T::SetGridColor, 12632256)),
        Published("GridSpace", &T::GridSpace, &T::SetGridSpace, 1.0L),
        Published("X_From", &T::X_From, &T::SetMinusX, -10.0L),
        Published("X_To", &T::X_To, &T::SetPlusX, 10.0L),
        Published("Y_From", &T::Y_From, &T::SetMinusY, -10.0L),
        Published("Y_To", &T::Y_To, &T::SetPlusY, 10.0L),
        Published("DestinationWidth", &T::DestinationWidth, &T::SetDestWidth, 640),
        Published("DestinationHeight", &T::DestinationHeight, &T::SetDestHeight, 480),
        Published("Y_MaxDifference", &T::Y_MaxDifference, &T::SetAbstand, 0.0L),
        Published("ClearCanvas", &T::ClearCanvas, &T::SetClearCanvas, true),
    });
    return properties;
}

int TQGraphics::UmrechnenX(long double x, int Width, double From, double To) const
{
    const long double f = From, t = To;
    return Trunc32(CheckedDiv(CheckedMul(CheckedSub(x, f), Width), CheckedSub(t, f)));
}

int TQGraphics::UmrechnenY(long double y, int Height, double From, double To) const
{
    const long double f = From, t = To;
    return Trunc32(CheckedDiv(CheckedMul(CheckedSub(t, y), Height), CheckedSub(t, f)));
}

bool TQGraphics::DrawGridRun(TCanvas& canvas, std::int64_t base, std::int64_t distance, std::int64_t count,
                             bool horizontal, int W, int H)
{
    // A line whose row (or column) is off the canvas changes no pixel, so
    // only the lines that land on it are drawn; this keeps a huge count or a
    // tiny distance from hanging the drawing.
    std::int64_t first = 1, last = count;
    if (distance == 0) {
        last = count >= 1 ? 1 : 0;
    } else {
        const std::int64_t extent = horizontal ? canvas.Height() : canvas.Width();
        if (distance > 0) {
            first = std::max(first, CeilDiv(-base, distance));
            last = std::min(last, FloorDiv(extent - 1 - base, distance));
        } else {
            first = std::max(first, CeilDiv(base - (extent - 1), -distance));
            last = std::min(last, FloorDiv(base, -distance));
        }
    }
    for (std::int64_t k = first; k <= last; ++k) {
        if (FCancelled)
            return false;
        Application().ProcessMessages();
        const std::int64_t at = base + k * distance;
        const int p = static_cast<int>(std::clamp<std::int64_t>(at, std::numeric_limits<std::int32_t>::min(),
                                                                std::numeric_limits<std::int32_t>::max()));
        if (horizontal) {
            canvas.MoveTo(1, p);
            canvas.LineTo(W, p);
        } else {
            canvas.MoveTo(p, 1);
            canvas.LineTo(p, H);
        }
    }
    return true;
}

int TQGraphics::DrawToCanvas(TCanvas& canvas)
{
    FCancelled = false;
    if (FClearCanvas) {
        canvas.Brush.Color = ClearColor;
        canvas.FillRect({0, 0, FDestinationWidth, FDestinationHeight});
    }
    // Released on every path, the exceptions included.
    auto parser = std::make_unique<QParser>();
    parser->SetPrecision(8);

    const long double x0 = FX_From, x1 = FX_To, y0 = FY_From, y1 = FY_To;
    const int W = FDestinationWidth, H = FDestinationHeight;

    canvas.Brush.Color = FBackground;
    canvas.FloodFill(10, 10, FBackground, TFillStyle::fsBorder);

    auto origin = [&](int& ox, int& oy) {
        ox = UmrechnenX(0, W, RoundToDouble(x0), RoundToDouble(x1));
        oy = UmrechnenY(0, H, RoundToDouble(y0), RoundToDouble(y1));
    };

    if (FGrid) {
        const long double g = FGridSpace;
        int ox = 0, oy = 0;
        origin(ox, oy);
        canvas.Pen.Color = FGridColor;
        const int dx = Trunc32(CheckedDiv(CheckedMul(W, g), CheckedSub(x1, x0)));
        const int dy = Trunc32(CheckedDiv(CheckedMul(H, g), CheckedSub(y1, y0)));
        const std::int64_t nRight = Abs64(Trunc32(CheckedDiv(x1, g)));
        const std::int64_t nLeft = Abs64(Trunc32(CheckedDiv(x0, g)));
        const std::int64_t nBelow = Abs64(Trunc32(CheckedDiv(y0, g)));
        const std::int64_t nAbove = Abs64(Trunc32(CheckedDiv(y1, g)));
        if (!DrawGridRun(canvas, oy, dy, nBelow, true, W, H) || !DrawGridRun(canvas, oy, -std::int64_t{dy}, nAbove, true, W, H) ||
            !DrawGridRun(canvas, ox, dx, nRight, false, W, H) || !DrawGridRun(canvas, ox, -std::int64_t{dx}, nLeft, false, W, H))
            return -1;
    }

    if (FCross) {
        int ox = 0, oy = 0;
        origin(ox, oy);
        canvas.Pen.Color = FCrossColor;
        canvas.MoveTo(1, oy);
        canvas.LineTo(W, oy);
        canvas.MoveTo(ox, 1);
        canvas.LineTo(ox, H);
    }

    long double step = 1;
    int lastFailed = -1;
    for (int i = 0; i < FExpressions->Count(); ++i) {
        if (FCancelled)
            return -1;
        Application().ProcessMessages();
        const std::string expression = FExpressions->Strings(i);
        const std::string stepText = FSteps->Strings(i);
        const std::string colorText = FColors->Strings(i);
        const TColor color = AtoL(colorText);
        try {
            step = parser->StrToLongDouble(stepText);
        } catch (const Exception&) {
            // The curve keeps the step of the curve before it.
        }
        parser->SetExpression(expression);
        if (!parser->CreateTree()) {
            lastFailed = i;
            continue;
        }
        int sp = Trunc32(CheckedDiv(CheckedMul(W, step), CheckedSub(x1, x0)));
        if (sp < 1)
            sp = 1;
        int PX = -1, PY = -1;
        canvas.Pen.Color = color;
        // The break test compares with the previous drawn point of this
        // curve; the first point, and the first after a failed one, start a
        // stroke anyway.
        bool havePrevious = false;
        long double previousY = 0;
        for (std::int64_t px = 1; px <= W; px += sp) {
            if (FCancelled)
                return -1;
            // Right of the canvas, a point and every later one only reach
            // columns past its edge, unless a stroke still comes from inside;
            // so an area far wider than the canvas costs no more than it.
            if (px - 1 >= canvas.Width() && (FPointsOnly || PX == -1 || PX >= canvas.Width()))
                break;
            const long double x = CheckedAdd(CheckedDiv(CheckedMul(static_cast<long double>(px), CheckedSub(x1, x0)), W), x0);
            parser->SetX(parser->LongDoubleToStr(x));
            try {
                const long double y = parser->Evaluate();
                const long double maxDifference = FY_MaxDifference;
                if (maxDifference > 0 && havePrevious) {
                    // Plain arithmetic: an infinite or undefined difference
                    // breaks the stroke, it does not fail the point.
                    const long double difference = std::fabs(previousY - y);
                    if (!(difference < maxDifference)) {
                        PX = -1;
                        PY = -1;
                    }
                }
                const int X = static_cast<int>(px);
                const int Y = UmrechnenY(y, H, RoundToDouble(y0), RoundToDouble(y1));
                if (PY == -1)
                    PY = Y - 1;
                if (PX == -1)
                    PX = X - 1;
                if (FPointsOnly) {
                    canvas.MoveTo(X - 1, Y - 1);
                } else {
                    canvas.MoveTo(PX, PY);
                    PX = X;
                    PY = Y;
                }
                canvas.LineTo(X, Y);
                previousY = y;
                havePrevious = true;
            } catch (const Exception&) {
                PX = -1;
                PY = -1;
                havePrevious = false;
            }
        }
    }
    return lastFailed + 1;
}

namespace Qgraphics {

void Register()
{
    RegisterComponents("Quorvane", {{"TQGraphics", [] { return std::make_unique<TQGraphics>(nullptr); }}});
}

} // namespace Qgraphics
