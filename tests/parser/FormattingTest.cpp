#include "ParserFixture.h"

#include <cmath>
#include <limits>

namespace {

struct FormatCase {
    long double Value;
    int Precision;
    const char* Text;
};

TEST_F(ParserTest, LongDoubleToStrWithCommaAsDecimalSymbol)
{
    Parser.SetOverwriteDecimalSymbol(",");
    const FormatCase cases[] = {
        {0, 8, "0"}, {1, 8, "1"}, {-2.5L, 8, "-2,5"}, {1.0L / 3, 8, "0,33333333"}, {2.0L / 3, 8, "0,66666667"},
        {0.00001L, 8, "0,00001"}, {123456789, 8, "123456789"}, {100, 8, "100"},
        {0.000000006L, 8, "0,00000001"}, {-0.000000001L, 8, "-0"},
        {0, 3, "0"}, {1, 3, "1"}, {-2.5L, 3, "-2,5"}, {1.0L / 3, 3, "0,333"}, {2.0L / 3, 3, "0,667"},
        {0.00001L, 3, "0"}, {123456789, 3, "123456789"},
        {2.5L, 0, "2"}, {3.5L, 0, "4"}, {0.5L, 0, "0"},  // an exact half goes to the even digit
        {0.125L, 2, "0,12"}, {9.9999L, 2, "10"}, {-0.0L, 8, "-0"},
        {2.5L, -3, "2"}, {1234.5678L, -1, "1235"},        // no decimals for 0 or less
        {1e20L, 8, "100000000000000000000"},
        {1.0L / 3, 30, "0,3333333333333333148"},          // 19 digits are computed, the rest are zeros
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        Parser.SetPrecision(c.Precision);
        EXPECT_EQ(Parser.LongDoubleToStr(c.Value), c.Text);
    }
}

TEST_F(ParserTest, LongDoubleToStrSpecialAndHugeValues)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(Parser.LongDoubleToStr(std::numeric_limits<long double>::quiet_NaN()), "NAN");
    EXPECT_EQ(Parser.LongDoubleToStr(inf), "INF");
    EXPECT_EQ(Parser.LongDoubleToStr(-inf), "-INF");
    // Values of 1E40 and more keep all their integer digits.
    // 2^150 has 46 digits: 19 are computed, the rest shown as zeros.
    EXPECT_EQ(Parser.LongDoubleToStr(std::ldexp(1.0L, 150)), "1427247692705959881" + std::string(27, '0'));
    EXPECT_EQ(Parser.LongDoubleToStr(-1e300L).size(), 302u);
    EXPECT_THROW(Parser.LongDoubleToStr(1e400L), EOverflow);
}

TEST_F(ParserTest, MultiCharacterDecimalSymbolIsNeverStripped)
{
    Parser.SetOverwriteDecimalSymbol(";;");
    Parser.SetPrecision(2);
    EXPECT_EQ(Parser.LongDoubleToStr(2), "2;;00");
}

TEST_F(ParserTest, EntferneNullenUndPunkte)
{
    Parser.SetOverwriteDecimalSymbol(",");
    Parser.InitLandDot();
    const std::pair<const char*, const char*> cases[] = {
        {"1,50", "1,5"}, {"1,05", "1,05"}, {"1,000", "1"}, {"100", "100"}, {"100,", "100"},
        {",5", "0,5"}, {"0,0", "0"}, {"", ""},
    };
    for (const auto& [text, stripped] : cases)
        EXPECT_EQ(Parser.EntferneNullenUndPunkte(text), stripped) << text;
}

TEST_F(ParserTest, ResultUsesTheDecimalSymbolInEffect)
{
    Parser.SetOverwriteDecimalSymbol(",");
    EXPECT_EQ(Run("5/2"), "2,5");
    EXPECT_EQ(Parser.LandDot(), ",");
    Parser.SetOverwriteDecimalSymbol("");
    SetDecimalSeparator(',');
    EXPECT_EQ(Run("5/2"), "2,5");
    EXPECT_EQ(Run("2,5*2"), "5"); // numbers are written with the platform's separator
    SetDecimalSeparator('.');
    EXPECT_EQ(Run("2,5*2"), "Syntax Error");
}

} // namespace
