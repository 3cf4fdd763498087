// Speed of the expression pipeline: a typical expression end to end, the
// evaluation of a built tree alone (what a plot does per point), and tree
// construction of long chains, which grows with the square of the length.
#include "parser/ParserPipeline.h"
#include "parser/TQParser.h"
#include "platform/Conversions.h"
#include "platform/FormatSettings.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CreateTreeAndEvaluate(benchmark::State& state)
{
    SetDecimalSeparator('.');
    TQParser parser(nullptr);
    parser.SetX("1.5");
    for (auto _ : state) {
        parser.SetExpression("sin(x)*2 + ln(x+1)/3 - 2^0.5 * abs(x-3) mod 7");
        benchmark::DoNotOptimize(parser.CreateTree());
        benchmark::DoNotOptimize(parser.Evaluate());
    }
}
BENCHMARK(BM_CreateTreeAndEvaluate);

void BM_EvaluateBuiltTree(benchmark::State& state)
{
    SetDecimalSeparator('.');
    TQParser parser(nullptr);
    parser.SetExpression("sin(x)*2 + ln(x+1)/3 - 2^0.5 * abs(x-3) mod 7");
    parser.CreateTree();
    int i = 0;
    for (auto _ : state) {
        parser.SetX(std::to_string(i++ % 100));
        benchmark::DoNotOptimize(parser.Evaluate());
    }
}
BENCHMARK(BM_EvaluateBuiltTree);

void BM_CreateTreeOfChain(benchmark::State& state)
{
    SetDecimalSeparator('.');
    std::string chain = "1";
    while (chain.size() + 2 <= static_cast<std::size_t>(state.range(0)))
        chain += "+1";
    TQParser parser(nullptr);
    for (auto _ : state) {
        parser.SetExpression(chain);
        benchmark::DoNotOptimize(parser.CreateTree());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CreateTreeOfChain)->RangeMultiplier(4)->Range(64, ParserPipeline::MaxExpressionLength)->Complexity();

void BM_TextToExtended(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TextToExtended("3.14159265358979323846e10"));
}
BENCHMARK(BM_TextToExtended);

} // namespace
