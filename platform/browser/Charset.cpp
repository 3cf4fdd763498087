#include "platform/browser/Charset.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD";

bool IsAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lower(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), LowerAscii);
    return result;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsAsciiSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsAsciiSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (LowerAscii(text[i]) != prefix[i])
            return false;
    return true;
}

// Reads the value after "charset" in a Content-Type text: optional blanks,
// "=", optional blanks, then a quoted value or one up to ";" or a blank.
std::string CharsetAfterKeyword(std::string_view text)
{
    const std::string lower = Lower(text);
    std::size_t from = 0;
    while (true) {
        const std::size_t at = lower.find("charset", from);
        if (at == std::string::npos)
            return {};
        std::size_t i = at + 7;
        while (i < text.size() && IsAsciiSpace(text[i]))
            ++i;
        if (i >= text.size() || text[i] != '=') {
            from = at + 7;
            continue;
        }
        ++i;
        while (i < text.size() && IsAsciiSpace(text[i]))
            ++i;
        if (i >= text.size())
            return {};
        if (text[i] == '"' || text[i] == '\'') {
            const char quote = text[i];
            const std::size_t end = text.find(quote, i + 1);
            if (end == std::string_view::npos)
                return {};
            return std::string(text.substr(i + 1, end - i - 1));
        }
        std::size_t end = i;
        while (end < text.size() && text[end] != ';' && !IsAsciiSpace(text[end]))
            ++end;
        return std::string(text.substr(i, end - i));
    }
}

// One attribute of a tag in the meta prescan; false at the end of the tag.
bool NextAttribute(std::string_view bytes, std::size_t& i, std::string& name, std::string& value)
{
    name.clear();
    value.clear();
    while (i < bytes.size() && (IsAsciiSpace(bytes[i]) || bytes[i] == '/'))
        ++i;
    if (i >= bytes.size() || bytes[i] == '>')
        return false;
    while (i < bytes.size() && bytes[i] != '=' && bytes[i] != '>' && bytes[i] != '/' && !IsAsciiSpace(bytes[i]))
        name += LowerAscii(bytes[i++]);
    while (i < bytes.size() && IsAsciiSpace(bytes[i]))
        ++i;
    if (i >= bytes.size() || bytes[i] != '=')
        return true;
    ++i;
    while (i < bytes.size() && IsAsciiSpace(bytes[i]))
        ++i;
    if (i < bytes.size() && (bytes[i] == '"' || bytes[i] == '\'')) {
        const char quote = bytes[i++];
        while (i < bytes.size() && bytes[i] != quote)
            value += bytes[i++];
        if (i < bytes.size())
            ++i;
        return true;
    }
    while (i < bytes.size() && bytes[i] != '>' && !IsAsciiSpace(bytes[i]))
        value += bytes[i++];
    return true;
}

// The charset a meta declaration names, in the form the prescan uses: a
// UTF-16 label in a meta element can only be wrong, since the element was
// read as ASCII, so it means UTF-8.
std::string MetaCharset(std::string_view label)
{
    std::string charset = CanonicalCharset(label);
    if (charset == "UTF-16LE" || charset == "UTF-16BE")
        charset = "UTF-8";
    return charset;
}

// Converts with iconv; an invalid or truncated sequence becomes U+FFFD and
// conversion goes on after it, so nothing stops a page from being shown.
std::string Convert(std::string_view bytes, const std::string& charset)
{
    iconv_t cd = iconv_open("UTF-8", charset.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return ValidUtf8(bytes);
    const std::size_t unit = charset.rfind("UTF-16", 0) == 0 ? 2 : 1;
    std::string result;
    result.reserve(bytes.size() + bytes.size() / 2);
    char buffer[65536];
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
        result.append(buffer, static_cast<std::size_t>(out - buffer));
        if (rc != static_cast<std::size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        result += Replacement;
        if (errno == EINVAL)
            break;
        const std::size_t skip = std::min(unit, inLeft);
        in += skip;
        inLeft -= skip;
    }
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    iconv(cd, nullptr, nullptr, &out, &outLeft);
    result.append(buffer, static_cast<std::size_t>(out - buffer));
    iconv_close(cd);
    return result;
}

} // namespace

std::string CharsetFromBom(std::string_view bytes, std::size_t& bomLength)
{
    bomLength = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bomLength = 3;
        return "UTF-8";
    }
    if (bytes.substr(0, 2) == "\xFF\xFE") {
        bomLength = 2;
        return "UTF-16LE";
    }
    if (bytes.substr(0, 2) == "\xFE\xFF") {
        bomLength = 2;
        return "UTF-16BE";
    }
    return {};
}

std::string CharsetFromContentType(std::string_view contentType)
{
    const std::size_t semicolon = contentType.find(';');
    if (semicolon == std::string_view::npos)
        return {};
    return CharsetAfterKeyword(contentType.substr(semicolon + 1));
}

std::string CharsetFromMeta(std::string_view bytes)
{
    bytes = bytes.substr(0, 1024);
    std::size_t i = 0;
    std::string name, value;
    while (i < bytes.size()) {
        if (bytes[i] != '<') {
            ++i;
            continue;
        }
        const std::string_view rest = bytes.substr(i);
        if (rest.substr(0, 4) == "<!--") {
            const std::size_t end = bytes.find("-->", i + 2);
            if (end == std::string_view::npos)
                return {};
            i = end + 3;
        } else if (StartsWithNoCase(rest, "<meta") && rest.size() > 5 && (IsAsciiSpace(rest[5]) || rest[5] == '/')) {
            i += 5;
            std::string charset, content;
            bool httpEquivContentType = false;
            while (NextAttribute(bytes, i, name, value)) {
                if (name == "charset" && charset.empty())
                    charset = value;
                else if (name == "content" && content.empty())
                    content = value;
                else if (name == "http-equiv")
                    httpEquivContentType = Lower(Trim(value)) == "content-type";
            }
            if (charset.empty() && httpEquivContentType)
                charset = CharsetAfterKeyword(content);
            if (!charset.empty()) {
                std::string known = MetaCharset(charset);
                if (!known.empty())
                    return known;
            }
        } else if (rest.size() > 1 && (rest[1] == '!' || rest[1] == '?' || rest[1] == '/' ||
                                       (LowerAscii(rest[1]) >= 'a' && LowerAscii(rest[1]) <= 'z'))) {
            // Any other tag: skip its attributes, whose quoted values may hold ">".
            i += 2;
            if (rest[1] == '!' || rest[1] == '?') {
                const std::size_t end = bytes.find('>', i);
                i = end == std::string_view::npos ? bytes.size() : end + 1;
            } else {
                while (i < bytes.size() && !IsAsciiSpace(bytes[i]) && bytes[i] != '>')
                    ++i;
                while (NextAttribute(bytes, i, name, value)) {
                }
                ++i;
            }
        } else {
            ++i;
        }
    }
    return {};
}

std::string CanonicalCharset(std::string_view label)
{
    const std::string name = Lower(Trim(label));
    if (name.empty() || name.size() > 40)
        return {};
    // Only plain names reach the converter: "/" would pass it options.
    for (const char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == ':'))
            return {};
    static const std::pair<std::string_view, std::string_view> aliases[] = {
        {"utf-8", "UTF-8"}, {"utf8", "UTF-8"}, {"unicode-1-1-utf-8", "UTF-8"},
        {"utf-16", "UTF-16LE"}, {"utf-16le", "UTF-16LE"}, {"utf-16be", "UTF-16BE"},
        {"unicode", "UTF-16LE"}, {"ucs-2", "UTF-16LE"},
        {"iso-8859-1", "WINDOWS-1252"}, {"iso8859-1", "WINDOWS-1252"}, {"iso_8859-1", "WINDOWS-1252"},
        {"latin1", "WINDOWS-1252"}, {"l1", "WINDOWS-1252"}, {"us-ascii", "WINDOWS-1252"},
        {"ascii", "WINDOWS-1252"}, {"windows-1252", "WINDOWS-1252"}, {"cp1252", "WINDOWS-1252"},
        {"x-cp1252", "WINDOWS-1252"}, {"cp819", "WINDOWS-1252"}, {"ibm819", "WINDOWS-1252"},
        {"iso-ir-100", "WINDOWS-1252"}, {"csisolatin1", "WINDOWS-1252"}, {"iso-8859-9", "WINDOWS-1254"},
        {"latin5", "WINDOWS-1254"}, {"gb2312", "GBK"}, {"x-gbk", "GBK"}, {"tis-620", "WINDOWS-874"},
        {"x-sjis", "SHIFT_JIS"}, {"ks_c_5601-1987", "EUC-KR"},
    };
    for (const auto& [alias, canonical] : aliases)
        if (name == alias)
            return std::string(canonical);
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    iconv_t cd = iconv_open("UTF-8", upper.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    iconv_close(cd);
    return upper;
}

std::string ValidUtf8(std::string_view bytes)
{
    std::string result;
    result.reserve(bytes.size());
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            result += static_cast<char>(c);
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF)
            length = 2;
        else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0;
            if (c == 0xED)
                high = 0x9F; // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90;
            if (c == 0xF4)
                high = 0x8F;
        }
        if (length == 0) {
            result += Replacement;
            ++i;
            continue;
        }
        // A sequence broken off after some valid bytes counts as one error.
        std::size_t valid = 1;
        while (valid < length && i + valid < n) {
            const unsigned char b = s[i + valid];
            const unsigned char lo = valid == 1 ? low : 0x80;
            const unsigned char hi = valid == 1 ? high : 0xBF;
            if (b < lo || b > hi)
                break;
            ++valid;
        }
        if (valid == length)
            result.append(bytes.substr(i, length));
        else
            result += Replacement;
        i += valid;
    }
    return result;
}

std::string DecodePageText(std::string_view bytes, std::string_view headerCharset)
{
    std::size_t bomLength = 0;
    std::string charset = CharsetFromBom(bytes, bomLength);
    bytes.remove_prefix(bomLength);
    if (charset.empty())
        charset = CanonicalCharset(headerCharset);
    if (charset.empty())
        charset = CharsetFromMeta(bytes);
    if (charset.empty() || charset == "UTF-8")
        return ValidUtf8(bytes);
    return Convert(bytes, charset);
}
