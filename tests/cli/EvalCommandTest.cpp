#include "cli/Cli.h"
#include "platform/Exception.h"
#include "platform/FormatSettings.h"
#include "tests/shared/CliRun.h"
#include "tests/shared/ExpressionCases.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace {

TRun RunTool(const std::vector<std::string>& args, const std::string& input = "")
{
    SetDecimalSeparator('.');
    return RunQuorvane(args, input);
}

struct EvalCase {
    std::vector<std::string> Args;
    const char* Out;
    int Status;
    const char* Rule;
};

TEST(EvalCommand, OneLinePerExpressionAndTheWorstStatus)
{
    const EvalCase cases[] = {
        {{"eval", "2 * (3+4)"}, "14\n", 0, "a value"},
        {{"eval", "1+1", "(1+2"}, "2\nSyntax Error\n", 1, "a syntax error gives 1"},
        {{"eval", "(1+2", "1/0", "2"}, "Syntax Error\nDivision durch 0.\n2\n", 2, "an evaluation error gives 2"},
        {{"eval", "(1E300*1E300)^2"}, "Kein negativer Ausdruck unter Wurzel erlaubt.\n", 2, "no second full stop"},
        {{"eval", "-p", "3", "2/3"}, "0.667\n", 0, "precision"},
        {{"eval", "-x", "2", "-a", "3", "-b", "4", "-c", "5", "-d", "6", "x+a+b+c+d"}, "20\n", 0, "the five variables"},
        {{"eval", "-x", "2e4932", "x"}, "2e4932 kann nicht in eine Zahl umgewandelt werden! (STD)\n", 2, "a message ending in ) is shown unchanged"},
        {{"eval", "--decimal-symbol", ",", "5/2"}, "2,5\n", 0, "decimal symbol override"},
        {{"eval", "--separator", ",", "2,5*2"}, "5\n", 0, "the platform separator"},
        {{"eval", "--convert", "--separator", ",", "2.5+0,5"}, "3\n", 0, "convert all points and commas"},
        {{"eval", "--tree", "1-2-3", "sin(x)", "1+"}, "-(1, +(2, 3))\n#(s, x)\nSyntax Error\n", 1, "trees"},
        {{"eval", "--", "-5+3"}, "-2\n", 0, "an expression that starts with -"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Rule);
        const TRun r = RunTool(c.Args);
        EXPECT_EQ(r.Out, c.Out);
        EXPECT_EQ(r.Status, c.Status);
    }
}

// The parser's tables, through the command: one argument each, one line out.
TEST(EvalCommand, RunsTheParserTables)
{
    for (const TreeCase& c : TreeCases) {
        SCOPED_TRACE(c.Typed);
        EXPECT_EQ(RunTool({"eval", "--tree", "--", c.Typed}).Out, std::string(c.Tree) + "\n");
        EXPECT_EQ(RunTool({"eval", "--", c.Typed}).Out, std::string(c.Value) + "\n");
    }
    for (const ValueCase& c : ValueCases) {
        SCOPED_TRACE(c.Typed);
        // The window shows the message alone, with the full-stop rule.
        std::string shown = c.Shown;
        const std::size_t colon = shown.find(": ");
        const bool error = colon != std::string::npos && shown[0] >= 'A' && shown[0] <= 'Z';
        if (error)
            shown = MessageWithFullStop(shown.substr(colon + 2));
        const TRun r = RunTool({"eval", "--", c.Typed});
        EXPECT_EQ(r.Out, shown + "\n");
        EXPECT_EQ(r.Status, error ? 2 : 0);
    }
}

TEST(EvalCommand, ReadsLinesFromStandardInput)
{
    const TRun r = RunTool({"eval"}, "1+1\n2*3\r\n\n");
    EXPECT_EQ(r.Out, "2\n6\nSyntax Error\n");
    EXPECT_EQ(r.Status, 1);
}

TEST(EvalCommand, JsonNamesTheExceptionClass)
{
    const TRun r = RunTool({"eval", "--json", "1/0", "0^(-1)-0^(-1)", "(2)*3", "1+", "-x", "\xff"});
    std::istringstream lines(r.Out);
    std::string line;
    std::vector<nlohmann::json> objects;
    while (std::getline(lines, line))
        objects.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(objects.size(), 4u);
    EXPECT_EQ(objects[0]["error"]["class"], "Exception");
    EXPECT_EQ(objects[0]["error"]["message"], "Division durch 0");
    EXPECT_EQ(objects[1]["error"]["class"], "EInvalidOp");
    EXPECT_EQ(objects[2]["expression"], "(2)*3");
    EXPECT_EQ(objects[2]["normalized"], "(2)*3");
    EXPECT_EQ(objects[2]["tree"], "*(2, 3)");
    EXPECT_EQ(objects[2]["result"], "6");
    EXPECT_EQ(objects[3]["syntax_error"], true);
    EXPECT_TRUE(objects[3]["tree"].is_null());
    EXPECT_EQ(r.Status, 2);
}

TEST(EvalCommand, JsonSurvivesTextThatIsNotUtf8)
{
    const TRun r = RunTool({"eval", "--json", "\xff"});
    const auto object = nlohmann::json::parse(r.Out);
    EXPECT_EQ(object["syntax_error"], true);
}

TEST(EvalCommand, UsageErrorsAreOneLine)
{
    const std::vector<std::vector<std::string>> cases = {
        {"eval", "--nope"}, {"eval", "-p", "many", "1"}, {"eval", "--separator", ",,", "1"}, {"nothing"}, {},
    };
    for (const auto& args : cases) {
        const TRun r = RunTool(args);
        EXPECT_EQ(r.Status, ExitUsage) << (args.empty() ? "" : args.back());
        EXPECT_EQ(r.Out, "");
        EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
    }
}

TEST(EvalCommand, HelpAndVersion)
{
    EXPECT_EQ(RunTool({"--version"}).Out, "quorvane 1.2.1.56\n");
    EXPECT_EQ(RunTool({"eval", "--version"}).Out, "quorvane 1.2.1.56\n");
    const TRun help = RunTool({"eval", "--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("--precision"), std::string::npos);
}

} // namespace
