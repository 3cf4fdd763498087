#include "ParserFixture.h"
#include "tests/shared/ExpressionCases.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

TEST_F(ParserTest, OperatorsFunctionsAndTheirErrors)
{
    for (const auto& c : ValueCases)
        EXPECT_EQ(Run(c.Typed), c.Shown) << c.Typed;
}

TEST_F(ParserTest, ArithmeticOverflowOfTheExtendedRange)
{
    Parser.SetX("1E4000");
    EXPECT_EQ(Run("x*x"), "EOverflow: Floating point overflow");
    EXPECT_EQ(Run("x+x"), "EOverflow: Floating point overflow"); // 2E4000 is still finite, then too large to show
}

struct ConversionCase {
    const char* Leaf;
    const char* X;
    const char* A;
    long double Value;
    const char* Rule;
};

TEST_F(ParserTest, StrToLongDoubleSubstitutesAndConverts)
{
    SetDecimalSeparator(',');
    const long double inf = std::numeric_limits<long double>::infinity();
    const ConversionCase cases[] = {
        {"", "", "", 0, "the empty text is 0"},
        {"X", "2,5", "", 2.5L, "variables ignore case; the decimal symbol in effect"},
        {"x", "", "", 0, "an empty variable is 0"},
        {"x", "a", "3", 3, "a replacement that names a later variable is replaced again"},
        {"a", "5", "x", 0, "one that names an earlier variable is not"},
        {"x", "PI", "", 3.1415927L, "pi has eight significant digits"},
        {"E", "", "", 2.7182818L, "so has e"},
        {"2,5", "", "", 2.5L, "the decimal symbol in effect"},
        {"1.5", "", "", 1.5L, "the point is always read"},
        {"x", " 7", "", 7, "leading white space"},
        {"x", "12abc", "", 12, "the longest numeric prefix"},
        {"x", "abc", "", 0, "no digit is 0"},
        {"x", "-INF", "", -inf, "INF after a sign"},
        {"x", "inf", "", 0, "inf without a sign is no number"},
        {"x", "1e5000", "", LDBL_MAX, "an exponent beyond 4932 saturates"},
        {"x", "1e-5000", "", 0, "and a negative one gives 0"},
        {"x", "1234567890123456789012", "", 1234567890123456789000.0L, "19 significant digits"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Rule);
        Parser.SetX(c.X);
        Parser.SetA(c.A);
        EXPECT_EQ(Parser.StrToLongDouble(c.Leaf), c.Value) << c.Leaf;
    }
    Parser.SetX("NAN");
    EXPECT_EQ(Parser.StrToLongDouble("x"), 0);
    Parser.SetX("+NAN");
    EXPECT_TRUE(std::isnan(Parser.StrToLongDouble("x")));
}

TEST_F(ParserTest, StrToLongDoubleSeparatorRules)
{
    Parser.InitLandDot();
    EXPECT_EQ(Parser.StrToLongDouble("2,5"), 2);       // "," ends the number
    Parser.SetConvertAllColonsAndDots(true);
    EXPECT_EQ(Parser.StrToLongDouble("2,5"), 2.5L);
    Parser.SetConvertAllColonsAndDots(false);
    Parser.SetOverwriteDecimalSymbol("@@");
    EXPECT_EQ(Parser.StrToLongDouble("pi"), 3);        // "3@@1415927" ends at the @
}

TEST_F(ParserTest, ConversionErrorNamesTheText)
{
    Parser.SetX("2e4932");
    EXPECT_EQ(Run("x"), "Exception: 2e4932 kann nicht in eine Zahl umgewandelt werden! (STD)");
    Parser.SetX("1,5e4932");
    SetDecimalSeparator(',');
    EXPECT_EQ(Run("x"), "Exception: 1.5e4932 kann nicht in eine Zahl umgewandelt werden! (STD)");
}

TEST_F(ParserTest, ModlKeepsTheSignOfTheDividend)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(Parser.modl(7, 3), 1);
    EXPECT_EQ(Parser.modl(-7, 3), -1);
    EXPECT_EQ(Parser.modl(7, -3), 1);
    EXPECT_EQ(Parser.modl(5, 0), 0);
    EXPECT_EQ(Parser.modl(1e10L, 3), 1);
    EXPECT_EQ(Parser.modl(-1e20L, 3), -1);
    EXPECT_EQ(Parser.modl(inf, 3), inf);    // a non-finite operand gives a
    EXPECT_EQ(Parser.modl(4, inf), 4);
    EXPECT_EQ(Parser.modl(4, nan), 4);
    EXPECT_TRUE(std::isnan(Parser.modl(nan, 2)));
}

TEST_F(ParserTest, VariablesAreIndependentAndReadAtEveryEvaluation)
{
    Parser.SetX("2");
    Parser.SetA("3");
    EXPECT_EQ(Run("x*10+a"), "23");
    Parser.SetX("5");
    EXPECT_EQ(Parser.Evaluate(), 53); // same tree, new variable text
    EXPECT_EQ(Parser.X(), "5");
}

TEST_F(ParserTest, AllInstancesShareOneTree)
{
    TQParser other(nullptr);
    Parser.SetExpression("1+1");
    ASSERT_TRUE(Parser.CreateTree());
    other.SetExpression("5");
    ASSERT_TRUE(other.CreateTree());
    EXPECT_EQ(Parser.Evaluate(), 5);
}

TEST_F(ParserTest, AFailedEvaluationKeepsTheLastResult)
{
    EXPECT_EQ(Run("1+2"), "3");
    EXPECT_EQ(Run("1/0"), "Exception: Division durch 0");
    EXPECT_EQ(Parser.ErgebnisString(), "3");
    EXPECT_EQ(Run("1E300*1E300"), "EOverflow: Floating point overflow");
    EXPECT_EQ(Parser.ErgebnisString(), "3");
}

} // namespace
