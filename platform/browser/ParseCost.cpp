#include "platform/browser/ParseCost.h"

#include <algorithm>
#include <string>

namespace {

bool IsAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsOneOf(const std::string& name, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Elements that add no level: void ones, and those that close an open one
// of their kind (paragraphs, list items, table parts) as a rule.
bool AddsNoLevel(const std::string& name)
{
    return IsOneOf(name, {"area", "base", "basefont", "bgsound", "br", "col", "embed", "frame", "hr", "img",
                          "input", "keygen", "link", "meta", "param", "source", "track", "wbr", "p", "li", "dt",
                          "dd", "option", "optgroup", "tr", "td", "th", "thead", "tbody", "tfoot", "caption",
                          "colgroup", "rb", "rt", "rp", "rtc", "html", "head", "body"});
}

bool HoldsRawText(const std::string& name)
{
    return IsOneOf(name, {"script", "style", "textarea", "title", "xmp", "iframe", "noembed", "noframes"});
}

} // namespace

std::uint64_t EstimatedParseCost(std::string_view markup)
{
    const std::size_t n = markup.size();
    std::uint64_t cost = 0;
    std::uint64_t depth = 0;
    std::size_t i = 0;
    std::string name;
    while (i < n) {
        const std::size_t lt = markup.find('<', i);
        if (lt == std::string_view::npos || lt + 1 >= n)
            break;
        i = lt + 1;
        const char c = markup[i];
        if (c == '!' || c == '?') {
            const std::string_view end = markup.substr(i, 3) == "!--" ? "-->" : ">";
            const std::size_t close = markup.find(end, i);
            i = close == std::string_view::npos ? n : close + end.size();
            continue;
        }
        const bool endTag = c == '/';
        if (endTag)
            ++i;
        if (i >= n || !IsAsciiLetter(markup[i]))
            continue;
        name.clear();
        while (i < n && !IsAsciiSpace(markup[i]) && markup[i] != '/' && markup[i] != '>')
            name += LowerAscii(markup[i++]);
        // Skip the attributes; a value quoted right after "=" may hold ">".
        while (i < n && markup[i] != '>') {
            if (markup[i] != '=') {
                ++i;
                continue;
            }
            ++i;
            while (i < n && IsAsciiSpace(markup[i]))
                ++i;
            if (i < n && (markup[i] == '"' || markup[i] == '\'')) {
                const std::size_t close = markup.find(markup[i], i + 1);
                i = close == std::string_view::npos ? n : close + 1;
            }
        }
        ++i;
        cost += depth;
        if (AddsNoLevel(name))
            continue;
        if (endTag) {
            depth -= depth > 0 ? 1 : 0;
            continue;
        }
        ++depth;
        if (HoldsRawText(name)) {
            // Its text runs to the matching end tag, whatever it looks like.
            while (i < n) {
                const std::size_t close = markup.find("</", i);
                if (close == std::string_view::npos) {
                    i = n;
                    break;
                }
                std::size_t k = 0;
                while (k < name.size() && close + 2 + k < n && LowerAscii(markup[close + 2 + k]) == name[k])
                    ++k;
                i = close + 2;
                if (k == name.size()) {
                    i = close;
                    break;
                }
            }
        }
    }
    return cost;
}
