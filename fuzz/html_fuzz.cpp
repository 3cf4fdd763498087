// Feeds arbitrary bytes to the page decoding and parsing, to the document
// reads and to the three scans. Input layout: a settings byte; if its low
// bit is set, a Content-Type line follows; then the page. The var scan runs
// once with the usual marks and once with three marks taken from the page's
// first bytes, so short and empty marks are covered too.
#include "html/HtmlScans.h"
#include "html/TQHTML.h"
#include "platform/Exception.h"
#include "platform/TStrings.h"
#include "platform/browser/TCppWebBrowser.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::uint8_t settings = data[0];
    std::string_view contentType;
    if (settings & 1) {
        const std::size_t line = input.find('\n');
        contentType = input.substr(0, line);
        input = line == std::string_view::npos ? std::string_view() : input.substr(line + 1);
    }

    TCppWebBrowser browser(nullptr);
    browser.LoadFromString(input, contentType);
    TQHTML html(nullptr);
    html.Browser = &browser;
    try {
        html.GetTitel();
        html.GetBodyText();
        const std::string markup = html.GetBodyHtml();
        TStringList links, images, values;
        html.GetAllLinks(links);
        html.GetAllImages(images);
        html.GetAllVar(values, "var ", "= ", ";");
        // An entry never holds its closing text.
        for (const std::string& link : links.Lines())
            Check(link.find('"') == std::string::npos);
        for (const std::string& image : images.Lines())
            Check(image.find('"') == std::string::npos);
        for (const std::string& value : values.Lines())
            Check(value.find(';') == std::string::npos);

        const std::size_t n = input.size();
        const std::string_view start = input.substr(0, (settings >> 1) & 3);
        const std::string_view value = input.substr(start.size() < n ? start.size() : n, (settings >> 3) & 3);
        const std::string_view end = input.substr(start.size() + value.size() < n ? start.size() + value.size() : n,
                                                  (settings >> 5) & 3);
        std::size_t count = 0;
        ScanVars(input, start, value, end, [&count](const std::string&) { ++count; });
        ScanLinks(input, [&count](const std::string&) { ++count; });
        ScanImages(input, [&count](const std::string&) { ++count; });
        Check(count <= 3 * input.size() + 3);
    } catch (const Exception&) {
        // A page without a body: a clear error, not a failure.
    }
    return 0;
}
