#include "ParserFixture.h"

namespace {

struct NormalisationCase {
    const char* Typed;
    bool Convert;
    char Separator;
    const char* Normalised;
    const char* Rule;
};

TEST_F(ParserTest, CreateTreeStoresTheNormalisedText)
{
    const NormalisationCase cases[] = {
        {"Sin (X)", false, '.', "s#(X)", "blanks go, names are coded in any case"},
        {"7 mod 3", false, '.', "7m3", "mod becomes the operator m"},
        {"7 MoD 3", false, '.', "7m3", "mod in mixed case"},
        {"s i n 1", false, '.', "s#1", "blanks between the letters of a name"},
        {"abs(-2)", false, '.', "r#(-2)", "abs is r#"},
        {"ln(e)+LG(100)", false, '.', "n#(e)+g#(100)", "two-letter names"},
        {"cosh(1)", false, '.', "c#h(1)", "a name inside a longer word"},
        {"model", false, '.', "mel", "mod inside a word"},
        {"s#(1)", false, '.', "s#(1)", "codes pass through"},
        {"(tan(x))", false, '.', "t#(x)", "one enclosing pair is removed"},
        {"((1+2))", false, '.', "(1+2)", "only one pair is removed"},
        {"(1+2)*(3+4)", false, '.', "(1+2)*(3+4)", "pairs that do not enclose the whole text stay"},
        {"1.5+2,5", false, '.', "1.5+2,5", "no conversion without the flag"},
        {"1.5+2,5", true, ',', "1,5+2,5", "with the flag both become the decimal symbol ,"},
        {"1.5+2,5", true, '.', "1.5+2.5", "with the flag both become the decimal symbol ."},
        {"1\t+2", false, '.', "1\t+2", "a tab is not a blank"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Rule);
        SetDecimalSeparator(c.Separator);
        Parser.SetConvertAllColonsAndDots(c.Convert);
        Parser.SetExpression(c.Typed);
        Parser.CreateTree();
        EXPECT_EQ(Parser.Expression(), c.Normalised) << c.Typed;
    }
}

TEST_F(ParserTest, NormalisationIsNotIdempotent)
{
    Parser.SetExpression("((5))");
    EXPECT_FALSE(Parser.CreateTree());
    EXPECT_EQ(Parser.Expression(), "(5)");
    EXPECT_TRUE(Parser.CreateTree());
    EXPECT_EQ(Parser.Expression(), "5");
}

TEST_F(ParserTest, LongDecimalSymbolReplacesEachPointAndComma)
{
    Parser.SetOverwriteDecimalSymbol(";;");
    Parser.SetConvertAllColonsAndDots(true);
    Parser.InitLandDot();
    EXPECT_EQ(Parser.WandleSinCosTanUm("1.5,2"), "1;;5;;2");
}

TEST_F(ParserTest, EntferneKlammern)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"()", ""}, {"(1+2)", "1+2"}, {"((1+2))", "(1+2)"},
        {"(1+2)*(3+4)", "(1+2)*(3+4)"}, {"(1", "(1"}, {"1)", "1)"}, {"(1))", "1)"},
    };
    for (const auto& [text, stripped] : cases)
        EXPECT_EQ(Parser.EntferneKlammern(text), stripped) << text;
}

TEST_F(ParserTest, AssiotiativitaetSwapsSignsAfterTheFirstMinusAndSlash)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1-2-3", "1-2+3"},
        {"1+2-3+4", "1+2-3-4"},
        {"8/4/2", "8/4*2"},
        {"2*3/4*5", "2*3/4/5"},
        {"1-(2-3)-4", "1-(2-3)+4"},
        {"2^3m4#5", "2^3m4#5"},
    };
    for (const auto& [text, rewritten] : cases)
        EXPECT_EQ(Parser.Assiotiativitaet(text), rewritten) << text;
}

} // namespace
