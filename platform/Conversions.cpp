#include "platform/Conversions.h"

#include "platform/Exception.h"
#include "platform/NumericEnvironment.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// strtold reads "." only in the C locale; a locale object of its own keeps the
// conversion independent of whatever locale the program has set.
locale_t CLocale()
{
    static locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

long double ParseCanonical(const std::string& text)
{
    return strtold_l(text.c_str(), nullptr, CLocale());
}

} // namespace

bool TryStrToFloat(const std::string& text, long double& value, char separator)
{
    std::string canonical;
    canonical.reserve(text.size());
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        canonical += text[i++];
    bool digits = false;
    while (i < n && IsDigit(text[i])) {
        canonical += text[i++];
        digits = true;
    }
    if (i < n && text[i] == separator) {
        canonical += '.';
        ++i;
        while (i < n && IsDigit(text[i])) {
            canonical += text[i++];
            digits = true;
        }
    }
    if (!digits)
        return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        canonical += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            canonical += text[i++];
        if (i == n || !IsDigit(text[i]))
            return false;
        while (i < n && IsDigit(text[i]))
            canonical += text[i++];
    }
    if (i != n)
        return false;
    long double v = ParseCanonical(canonical);
    if (std::isinf(v))
        return false;
    value = v;
    return true;
}

std::string FloatToStr(double value, char separator)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    // d.dddddddddddddde+XX: 15 significant digits, correctly rounded.
    char buffer[64];
    auto res = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    std::string sci(buffer, res.ptr);
    std::size_t e = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, e - 2);
    int exponent = std::stoi(sci.substr(e + 1)) + 1; // value = 0.d1d2... * 10^exponent
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent >= -3 && exponent <= 15) {
        if (exponent <= 0) {
            out += '0';
            out += separator;
            out.append(static_cast<std::size_t>(-exponent), '0');
            out += digits;
        } else {
            std::size_t whole = static_cast<std::size_t>(exponent);
            if (digits.size() <= whole) {
                out += digits;
                out.append(whole - digits.size(), '0');
            } else {
                out += digits.substr(0, whole);
                out += separator;
                out += digits.substr(whole);
            }
        }
    } else {
        out += digits[0];
        if (digits.size() > 1) {
            out += separator;
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent - 1);
    }
    return out;
}

long double TextToExtended(const std::string& text)
{
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && IsSpace(text[i]))
        ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
        if (text.compare(i, 3, "INF") == 0)
            return negative ? -std::numeric_limits<long double>::infinity()
                            : std::numeric_limits<long double>::infinity();
        if (text.compare(i, 3, "NAN") == 0)
            return negative ? -std::numeric_limits<long double>::quiet_NaN()
                            : std::numeric_limits<long double>::quiet_NaN();
    }

    // The first 19 significant digits form the mantissa; later digits before
    // the point only move the point.
    std::uint64_t mantissa = 0;
    int significant = 0;
    std::int64_t scale = 0;
    bool anyDigit = false;
    auto takeDigit = [&](char c, bool fraction) {
        anyDigit = true;
        if (mantissa == 0 && c == '0') {
            if (fraction)
                --scale;
        } else if (significant < 19) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
            ++significant;
            if (fraction)
                --scale;
        } else if (!fraction) {
            ++scale;
        }
    };
    while (i < n && IsDigit(text[i]))
        takeDigit(text[i++], false);
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i]))
            takeDigit(text[i++], true);
    }
    if (!anyDigit)
        return 0;

    std::int64_t written = 0;
    bool exponentNegative = false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            exponentNegative = text[j] == '-';
            ++j;
        }
        if (j < n && IsDigit(text[j])) {
            while (j < n && IsDigit(text[j])) {
                written = std::min<std::int64_t>(written * 10 + (text[j] - '0'), 1000000);
                ++j;
            }
        } else {
            exponentNegative = false;
        }
    }

    const long double sign = negative ? -1.0L : 1.0L;
    if (mantissa == 0)
        return sign * 0.0L;
    if (written > 4932)
        return exponentNegative ? sign * 0.0L : sign * LDBL_MAX;

    std::int64_t exponent = scale + (exponentNegative ? -written : written);
    long double value = ParseCanonical(std::to_string(mantissa) + "e" + std::to_string(exponent));
    if (std::isinf(value))
        throw EOverflow();
    return sign * value;
}

TFloatDigits FloatToDigits(long double value, int decimals)
{
    TFloatDigits out;
    const double d = RoundToDouble(value);
    out.Negative = std::signbit(d);
    if (std::isnan(d)) {
        out.Special = TFloatSpecial::NaN;
        return out;
    }
    if (std::isinf(d)) {
        out.Special = TFloatSpecial::Infinite;
        return out;
    }
    const std::int64_t p = std::max(decimals, 0);
    const double magnitude = std::fabs(d);
    auto zeros = [&] {
        out.Digits.assign(static_cast<std::size_t>(std::min<std::int64_t>(p + 1, 40)), '0');
        out.PointPos = 1;
        return out;
    };
    if (magnitude == 0)
        return zeros();

    constexpr long double limit = 1e19L;
    const long double product = p <= 5000 ? static_cast<long double>(magnitude) * std::pow(10.0L, static_cast<long double>(p))
                                          : std::numeric_limits<long double>::infinity();
    if (product < limit) {
        // The nearest integer, an exact half going to the even one, without
        // relying on the host's rounding mode.
        long double whole = std::floor(product);
        const long double rest = product - whole;
        if (rest > 0.5L || (rest == 0.5L && std::fmod(whole, 2.0L) != 0))
            whole += 1;
        const auto n = static_cast<std::uint64_t>(whole);
        if (n == 0)
            return zeros();
        if (whole < limit) {
            out.Digits = std::to_string(n);
            out.PointPos = static_cast<std::int64_t>(out.Digits.size()) - p;
            return out;
        }
    }

    // More than 19 digits: the leading 19 come from the double itself, the
    // rest are zeros.
    char buffer[64];
    auto res = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 18);
    std::string sci(buffer, res.ptr);
    std::size_t e = sci.find('e');
    out.Digits = sci.substr(0, 1) + sci.substr(2, e - 2);
    out.PointPos = std::stoll(sci.substr(e + 1)) + 1;
    const std::int64_t length = std::min(out.PointPos + p, std::max<std::int64_t>(40, out.PointPos));
    if (length > static_cast<std::int64_t>(out.Digits.size()))
        out.Digits.append(static_cast<std::size_t>(length - static_cast<std::int64_t>(out.Digits.size())), '0');
    return out;
}

std::string AnsiLowerCase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}
