// Speed of a drawing: a default window of 640 by 480 pixels with a grid and
// two curves, one evaluated at every pixel column and one joined by lines.
#include "plot/TQGraphics.h"
#include "platform/FormatSettings.h"

#include <benchmark/benchmark.h>

namespace {

void BM_DrawToCanvas(benchmark::State& state)
{
    SetDecimalSeparator('.');
    TQGraphics plot(nullptr);
    plot.SetExpressions(TStringList({"sin(x)*5", "x^2/10-5"}));
    plot.SetSteps(TStringList({"", "0.05"}));
    plot.SetColors(TStringList({"255", "16711680"}));
    plot.SetGrid(true);
    plot.SetPointsOnly(state.range(0) == 0);
    TCanvas canvas(641, 481, clWhite);
    for (auto _ : state)
        benchmark::DoNotOptimize(plot.DrawToCanvas(canvas));
}
BENCHMARK(BM_DrawToCanvas)->Arg(0)->Arg(1)->ArgNames({"lines"});

} // namespace
