#include "platform/Conversions.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>

namespace {

TEST(FloatToStr, GeneralFormatWith15Digits)
{
    const std::pair<double, const char*> cases[] = {
        {0, "0"}, {-0.0, "0"}, {3, "3"}, {-3, "-3"}, {0.5, "0.5"}, {0.0001, "0.0001"},
        {0.00001, "1E-5"},                       // exponent -4: scientific
        {1e15, "1E15"}, {1e14, "100000000000000"}, {123456789012345, "123456789012345"},
        {1234567890123456, "1.23456789012346E15"}, // rounded to 15 digits
        {1e20, "1E20"}, {1.5e-7, "1.5E-7"}, {0.1, "0.1"}, {1.0 / 3, "0.333333333333333"},
        {2.5e300, "2.5E300"}, {-1e-300, "-1E-300"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FloatToStr(value, '.'), text) << text;
    EXPECT_EQ(FloatToStr(2.5, ','), "2,5");
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::quiet_NaN(), '.'), "NAN");
    EXPECT_EQ(FloatToStr(-std::numeric_limits<double>::infinity(), '.'), "-INF");
}

TEST(TryStrToFloat, AcceptsOnlyANumberInTheWholeText)
{
    long double v = 0;
    EXPECT_TRUE(TryStrToFloat("-1,5E3", v, ','));
    EXPECT_EQ(v, -1500);
    EXPECT_TRUE(TryStrToFloat(".5", v, '.'));
    EXPECT_EQ(v, 0.5L);
    const char* const rejected[] = {"", "-", "1.5", "1e", "1e+", "1x", " 1", "1 ", "INF", "1E5000", "1,5,5"};
    for (const char* text : rejected)
        EXPECT_FALSE(TryStrToFloat(text, v, ',')) << text;
}

TEST(TextToExtended, LongestNumericPrefix)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const std::pair<const char*, long double> cases[] = {
        {"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"12abc", 12}, {"  \t7", 7}, {"1.5.5", 1.5L},
        {"-2.5e2x", -250}, {"2e", 2}, {"2e+", 2}, {".5", 0.5L}, {"+INF", inf}, {"-INF", -inf},
        {"INF", 0}, {"-inf", 0}, {"1e5000", LDBL_MAX}, {"-1e5000", -LDBL_MAX}, {"1e-5000", 0},
        {"0e5000", 0}, {"1e4932", 1e4932L}, {"0.000000000000000000000001", 1e-24L},
        {"12345678901234567890123", 12345678901234567890000.0L}, // digits past the 19th move the point only
        {"1.2345678901234567890123", 1.234567890123456789L},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(TextToExtended(text), value) << text;
    EXPECT_TRUE(std::isnan(TextToExtended("-NAN")));
    EXPECT_THROW(TextToExtended("2e4932"), EOverflow);
    EXPECT_THROW(TextToExtended("1" + std::string(5000, '0')), EOverflow);
}

TEST(Conversions, DoNotDependOnTheCLocale)
{
    // A locale with a comma would make strtold and printf stop at the point.
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(TextToExtended("1.5"), 1.5L);
    long double v = 0;
    EXPECT_TRUE(TryStrToFloat("2.5", v, '.'));
    EXPECT_EQ(v, 2.5L);
    EXPECT_EQ(FloatToStr(0.25, '.'), "0.25");
    std::setlocale(LC_NUMERIC, "C");
}

struct DigitsCase {
    long double Value;
    int Decimals;
    const char* Digits;
    long long Point;
};

TEST(FloatToDigits, FixedPointDigits)
{
    const DigitsCase cases[] = {
        {0, 8, "000000000", 1}, {1, 8, "100000000", 1}, {-2.5L, 8, "250000000", 1}, {1.0L / 3, 8, "33333333", 0},
        {0.00001L, 8, "1000", -4}, {0.000000006L, 8, "1", -7}, {-0.000000001L, 8, "000000000", 1},
        {2.5L, 0, "2", 1}, {3.5L, 0, "4", 1}, {0.5L, 0, "0", 1}, {0.125L, 2, "12", 0}, {9.9999L, 2, "1000", 2},
        {0, 100, "0000000000000000000000000000000000000000", 1}, // at most 40 zeros
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Digits);
        const TFloatDigits d = FloatToDigits(c.Value, c.Decimals);
        EXPECT_EQ(d.Digits, c.Digits);
        EXPECT_EQ(d.PointPos, c.Point);
    }
    EXPECT_TRUE(FloatToDigits(-0.0L, 8).Negative);
    EXPECT_EQ(FloatToDigits(std::numeric_limits<long double>::quiet_NaN(), 8).Special, TFloatSpecial::NaN);
    EXPECT_THROW(FloatToDigits(1e400L, 8), EOverflow);
    // Huge counts of decimals never overflow the position arithmetic.
    const TFloatDigits tiny = FloatToDigits(5e-324L, 2147483647);
    EXPECT_EQ(tiny.Digits.size(), 40u);
    EXPECT_EQ(tiny.PointPos, -323);
}

TEST(MessageWithFullStop, AddsAStopAfterCharactersAboveThePoint)
{
    EXPECT_EQ(MessageWithFullStop("Division durch 0"), "Division durch 0.");
    EXPECT_EQ(MessageWithFullStop("(STD)"), "(STD)");
    EXPECT_EQ(MessageWithFullStop("erlaubt."), "erlaubt.");
    EXPECT_EQ(MessageWithFullStop(""), "");
}

} // namespace
