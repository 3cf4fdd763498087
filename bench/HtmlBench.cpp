// A page of about 50 MB through the browser control and the three scans.
#include "html/HtmlScans.h"
#include "platform/browser/TCppWebBrowser.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const std::string& LargePage()
{
    static const std::string page = [] {
        std::string markup = "<html><head><title>large</title></head><body>\n";
        for (int i = 0; i < 1000000; ++i)
            markup += "<p><a href=\"p" + std::to_string(i) + ".htm\">link</a> <img src=\"i.png\"> var v = 1;</p>\n";
        return markup + "</body></html>\n";
    }();
    return page;
}

const TCppWebBrowser& LoadedBrowser()
{
    static TCppWebBrowser browser(nullptr);
    static const bool loaded = (browser.LoadFromString(LargePage()), true);
    (void)loaded;
    return browser;
}

const std::string& BodyMarkup()
{
    static const std::string markup = LoadedBrowser().Document()->Body()->InnerHTML();
    return markup;
}

void BM_LoadPage(benchmark::State& state)
{
    for (auto _ : state) {
        TCppWebBrowser browser(nullptr);
        browser.LoadFromString(LargePage());
        benchmark::DoNotOptimize(browser.Document());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * LargePage().size()));
}

void BM_BodyHtml(benchmark::State& state)
{
    const THTMLElement* body = LoadedBrowser().Document()->Body();
    for (auto _ : state)
        benchmark::DoNotOptimize(body->InnerHTML());
}

void BM_BodyText(benchmark::State& state)
{
    const THTMLElement* body = LoadedBrowser().Document()->Body();
    for (auto _ : state)
        benchmark::DoNotOptimize(body->InnerText());
}

void BM_ScanLinks(benchmark::State& state)
{
    for (auto _ : state) {
        std::size_t count = 0;
        ScanLinks(BodyMarkup(), [&count](const std::string&) { ++count; }, [] {});
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * BodyMarkup().size()));
}

void BM_ScanImages(benchmark::State& state)
{
    for (auto _ : state) {
        std::size_t count = 0;
        ScanImages(BodyMarkup(), [&count](const std::string&) { ++count; }, [] {});
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * BodyMarkup().size()));
}

void BM_ScanVars(benchmark::State& state)
{
    for (auto _ : state) {
        std::size_t count = 0;
        ScanVars(BodyMarkup(), "var ", "= ", ";", [&count](const std::string&) { ++count; }, [] {});
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * BodyMarkup().size()));
}

} // namespace

BENCHMARK(BM_LoadPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BodyHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BodyText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanLinks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanImages)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanVars)->Unit(benchmark::kMillisecond);
