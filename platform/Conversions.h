#pragma once

#include <cstdint>
#include <string>

// Conversions between texts and numbers. None of them depends on the C
// library's locale: the decimal separator is always passed in or fixed.

/// Text to float with the given decimal separator, the whole text being an
/// optional sign, digits with at most one separator, and an optional exponent
/// with "E" or "e". Returns false for any other text and for a value beyond
/// the extended range.
bool TryStrToFloat(const std::string& text, long double& value, char separator);

/// Float to text in the general format with 15 significant digits: fixed
/// notation for decimal exponents from -3 to 15, scientific ("1E20", "1.5E-7")
/// otherwise, no trailing zeros; "NAN", "INF" and "-INF" for the special values.
std::string FloatToStr(double value, char separator);

/// The extended text-to-number routine: reads the longest numeric prefix
/// (leading white space, a sign, INF or NAN only directly after a sign, digits
/// with one ".", an exponent) and ignores the rest; text without a digit is 0.
/// Only 19 significant digits count. A written exponent beyond 4932 saturates
/// (largest finite value, or 0 when negative); any other value beyond the
/// extended range raises EOverflow.
long double TextToExtended(const std::string& text);

enum class TFloatSpecial { None, NaN, Infinite };

/// The fixed-point digits of a value: Digits holds decimal digits only, and
/// PointPos of them stand before the decimal point (0 or less: that many zeros
/// stand between the point and the digits).
struct TFloatDigits {
    std::string Digits;
    std::int64_t PointPos = 1;
    bool Negative = false;
    TFloatSpecial Special = TFloatSpecial::None;
};

/// The fixed-point digit routine: rounds the value to double (EOverflow
/// beyond the double range), then forms the integer nearest to |v| times 10
/// to the power of decimals (taken as 0 when negative) in extended precision,
/// an exact half going to the even integer. Of an integer with more than 19
/// digits only the leading 19 are computed and the rest are zeros; the
/// digits end after the integer part or after 40 characters, whichever
/// comes later. Zero gives decimals + 1 zeros (at most 40) at point position 1.
TFloatDigits FloatToDigits(long double value, int decimals);

/// Lower case for the names the parsers compare with (ASCII letters only; all
/// other bytes, including UTF-8 sequences, stay as they are).
std::string AnsiLowerCase(std::string text);
