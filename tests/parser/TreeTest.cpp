#include "ParserFixture.h"

#include "parser/ParserPipeline.h"
#include "tests/shared/ExpressionCases.h"

namespace {

TEST_F(ParserTest, TreesByOperatorBinding)
{
    for (const auto& c : TreeCases) {
        SCOPED_TRACE(c.Typed);
        EXPECT_EQ(TreeOf(c.Typed), c.Tree);
        EXPECT_EQ(Run(c.Typed), c.Value);
    }
}

TEST_F(ParserTest, RejectedTexts)
{
    const char* const texts[] = {
        "", "-", "sin", "+5",            // nothing after or before an operator
        "2*-3", "2^-1", "2+-3", "1--2",  // a sign after an operator
        "((5))", "2*((3+4))",            // only one pair is stripped per part
        "(1+2", "1+2)",                  // unbalanced parentheses
        "1.0", ".5", "1e20", "1E-20",    // numbers not in canonical form
        "007", "+3", "0.00001", "1234567890123456",
        "S", "2e", "exp(1)",             // unknown operands
        "(2+)*(3+4)",                    // one failing part fails the whole
        "1\t+2",                         // a tab is part of an operand
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        Parser.SetExpression(text);
        EXPECT_FALSE(Parser.CreateTree());
    }
}

TEST_F(ParserTest, NumberTestAcceptsOnlyTheCanonicalForm)
{
    const std::pair<const char*, bool> cases[] = {
        {"3", true}, {"-3", true}, {"0.5", true}, {"0.0001", true}, {"1E20", true},
        {"123456789012345", true}, {"1.5E-7", true}, {"1E15", true},
        {"1.0", false}, {"1.50", false}, {".5", false}, {"007", false}, {"+3", false},
        {"1e20", false}, {"0.00001", false}, {"1234567890123456", false}, {"-0", false},
        {"1E400", false}, {"1E5000", false}, {"", false}, {"1,5", false},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(Parser.IsLongDouble(text), number) << text;

    SetDecimalSeparator(',');
    EXPECT_TRUE(Parser.IsLongDouble("1,5"));
    EXPECT_FALSE(Parser.IsLongDouble("1.5"));
}

TEST_F(ParserTest, IsZahlNamesAndCodes)
{
    const std::pair<const char*, bool> cases[] = {
        {"s", true}, {"r", true}, {"S", false},         // codes are case-sensitive
        {"x", true}, {"X", true}, {"Pi", true}, {"E", true}, {"C", true},
        {"y", false}, {"pie", false}, {"", false},
    };
    for (const auto& [text, operand] : cases)
        EXPECT_EQ(Parser.IsZahl(text), operand) << text;
}

TEST_F(ParserTest, DeepAndLongTextsNeverCrash)
{
    const std::size_t n = 3000; // the nested text stays within the length limit
    std::string nested;
    for (std::size_t i = 0; i < n; ++i)
        nested += "(";
    nested += "1";
    for (std::size_t i = 0; i < n; ++i)
        nested += "+1)";
    EXPECT_EQ(Run(nested), std::to_string(n + 1));

    std::string chain = "1";
    for (std::size_t i = 0; i < n; ++i)
        chain += "-1";
    EXPECT_EQ(Run(chain), "-" + std::to_string(n - 1));

    std::string parens(n, '(');
    EXPECT_EQ(Run(parens), "Syntax Error");
}

TEST_F(ParserTest, TextsBeyondTheLengthLimitAreRejected)
{
    std::string limit = "1";
    while (limit.size() + 2 <= ParserPipeline::MaxExpressionLength)
        limit += "+1";
    EXPECT_EQ(Run(limit), std::to_string((limit.size() + 1) / 2));
    EXPECT_EQ(Run(limit + "+1"), "Syntax Error");
    EXPECT_EQ(Run(std::string(1 << 20, '1')), "Syntax Error");
}

TEST_F(ParserTest, EvaluateAfterAFailedBuildIsASyntaxError)
{
    ASSERT_EQ(Run("(2+)*(3+4)"), "Syntax Error");
    try {
        Parser.Evaluate();
        FAIL() << "Evaluate of a partial tree returned";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.ClassName(), "Exception");
        EXPECT_EQ(e.Message(), "Syntax Error");
    }
    EXPECT_EQ(Run("1+1"), "2"); // the next good build evaluates again
}

} // namespace
