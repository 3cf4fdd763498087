#include "html/HtmlScans.h"

#include <algorithm>
#include <cstdint>

namespace {

// The markup with positions counted from 1; position 0 and positions past
// the end hold no character. Windows are compared in place, so a scan
// never copies the markup.
class TMarkup {
public:
    explicit TMarkup(std::string_view text) : FText(text), FLength(static_cast<std::int64_t>(text.size())) {}

    std::int64_t Length() const { return FLength; }

    // Whether the window of marker.size() characters at p equals the marker;
    // a window cut short by the end of the markup never equals a longer one.
    bool WindowEquals(std::int64_t p, std::string_view marker) const
    {
        if (p < 1 || p > FLength)
            return marker.empty();
        const auto available = static_cast<std::size_t>(FLength - p + 1);
        return marker.size() <= available && FText.compare(static_cast<std::size_t>(p - 1), marker.size(), marker) == 0;
    }

    // The character at p as a text: empty outside the markup.
    std::string_view CharAt(std::int64_t p) const
    {
        if (p < 1 || p > FLength)
            return {};
        return FText.substr(static_cast<std::size_t>(p - 1), 1);
    }

private:
    std::string_view FText;
    std::int64_t FLength;
};

void Step(const TScanStep& step)
{
    if (step)
        step();
}

constexpr std::string_view LinkOpening = "<A href=\"";
constexpr std::string_view ImageTag = "<IMG ";
constexpr std::string_view ImageAddress = "src=\"";
constexpr std::string_view Quote = "\"";

} // namespace

bool ScanLinks(std::string_view text, const TScanAdd& add, const TScanStep& step)
{
    const TMarkup markup(text);
    const std::int64_t length = markup.Length();
    std::string current;
    bool inLink = false;
    for (std::int64_t p = 0; p < length; ++p) {
        Step(step);
        if (p + 9 < length && markup.WindowEquals(p, LinkOpening)) {
            inLink = true;
            current.clear();
            p += 9;
        }
        if (inLink) {
            const std::string_view c = markup.CharAt(p);
            if (c != Quote) {
                current += c;
            } else {
                add(current);
                current.clear();
                inLink = false;
            }
        }
    }
    return inLink;
}

bool ScanImages(std::string_view text, const TScanAdd& add, const TScanStep& step)
{
    const TMarkup markup(text);
    const std::int64_t length = markup.Length();
    std::string current;
    bool inTag = false, inValue = false, found = false;
    for (std::int64_t p = 0; p < length; ++p) {
        Step(step);
        if (p + 10 < length) {
            if (markup.WindowEquals(p, ImageTag)) {
                inTag = true;
                current.clear();
                p += 5;
            }
            // Taken where p stands now, so the address may follow "<IMG " at once.
            if (inTag && markup.WindowEquals(p, ImageAddress)) {
                inValue = true;
                current.clear();
                p += 5;
            }
        }
        if (inValue) {
            found = true;
            const std::string_view c = markup.CharAt(p);
            if (c != Quote) {
                current += c;
            } else {
                add(current);
                current.clear();
                inTag = false;
                inValue = false;
            }
        }
    }
    return found;
}

bool ScanVars(std::string_view text, std::string_view startMark, std::string_view valueMark,
              std::string_view endMark, const TScanAdd& add, const TScanStep& step)
{
    const TMarkup markup(text);
    const std::int64_t length = markup.Length();
    const auto startLength = static_cast<std::int64_t>(startMark.size());
    const auto valueLength = static_cast<std::int64_t>(valueMark.size());
    // An empty end mark occupies no character; the scan still moves on by one.
    const auto endAdvance = std::max<std::int64_t>(static_cast<std::int64_t>(endMark.size()), 1);
    std::string current;
    bool startSeen = false, inValue = false, found = false;
    for (std::int64_t p = 0; p < length; ++p) {
        Step(step);
        if (startLength + p + valueLength < length) {
            if (markup.WindowEquals(p, startMark)) {
                inValue = false;
                startSeen = true;
                p += startLength;
            }
            if (startSeen && markup.WindowEquals(p, valueMark)) {
                inValue = true;
                current.clear();
                p += valueLength;
            }
        }
        if (inValue) {
            found = true;
            if (!markup.WindowEquals(p, endMark)) {
                current += markup.CharAt(p);
            } else {
                add(current);
                current.clear();
                startSeen = false;
                inValue = false;
                // The next step starts at the character right after the end
                // mark, so a declaration that follows it directly is found.
                p += endAdvance - 1;
            }
        }
    }
    return found;
}
