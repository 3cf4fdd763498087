// quorvane html: reads and scans of a page from the command line.
#include "HttpServer.h"
#include "tests/shared/CliRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string DataPath(const std::string& name)
{
    const char* data = std::getenv("QUORVANE_TEST_DATA");
    return std::string(data != nullptr ? data : ".") + "/" + name;
}

TRun Html(std::vector<std::string> args)
{
    args.insert(args.begin(), "html");
    return RunQuorvane(args);
}

} // namespace

TEST(HtmlCommandTest, ReadsAndScansPrintTheirResults)
{
    const std::string page = DataPath("lower.html");
    const struct {
        std::vector<std::string> Args;
        std::string Out;
    } cases[] = {
        {{"links", page}, "first.html\nhttps://example.org/second?a=1&amp;b=2\n"},
        {{"images", page}, "logo.png\nphoto.jpg\n"},
        {{"vars", "--start", "var ", "--value", "= ", "--end", ";", page}, "640\n480\n24\n"},
        {{"title", page}, "Quorvane test page\n"},
        {{"links", "--json", page}, R"({"entries":["first.html","https://example.org/second?a=1&amp;b=2"],"result":false})"
                                    "\n"},
        {{"images", "--json", "about:blank"}, R"({"entries":[],"result":false})" "\n"},
        {{"title", "--json", DataPath("latin1.html")}, "{\"text\":\"Caf\xC3\xA9 cr\xC3\xA8me\"}\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Args[0]);
        const TRun run = Html(c.Args);
        EXPECT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Out, c.Out);
        EXPECT_EQ(run.Err, "");
    }
}

TEST(HtmlCommandTest, TextAndMarkupDiffer)
{
    const TRun text = Html({"text", DataPath("lower.html")});
    const TRun html = Html({"html", "--json", DataPath("lower.html")});
    ASSERT_EQ(text.Status, 0);
    ASSERT_EQ(html.Status, 0);
    EXPECT_EQ(text.Out.find('<'), std::string::npos);
    EXPECT_NE(text.Out.find("Links and images\n"), std::string::npos);
    const std::string markup = nlohmann::json::parse(html.Out).at("text");
    EXPECT_NE(markup.find(R"(<A href="first.html">)"), std::string::npos);
}

TEST(HtmlCommandTest, AnUnloadableSourceIsAOneLineErrorWithStatusOne)
{
    const std::string missing = DataPath("missing.html");
    const TRun run = Html({"links", missing});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "quorvane html: cannot load " + missing + ": No such file or directory\n");
}

TEST(HtmlCommandTest, UsageErrorsGiveStatus64)
{
    const std::string page = DataPath("lower.html");
    const std::vector<std::vector<std::string>> cases = {
        {"bogus", page},
        {"links"},
        {"vars", "--start", "var ", page},
        {"links", "--end", ";", page},
        {"title", page, "extra"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args[0]);
        const TRun run = Html(args);
        EXPECT_EQ(run.Status, 64);
        EXPECT_EQ(run.Out, "");
        EXPECT_NE(run.Err.find("quorvane html"), std::string::npos) << run.Err;
    }
}

TEST(HtmlCommandTest, ReadsPagesOverHttp)
{
    if (!THttpServer::PythonAvailable())
        GTEST_SKIP() << "python3 is not available";
    THttpServer server;
    ASSERT_TRUE(server.Start()) << server.Error();
    const TRun links = Html({"links", server.Url("/redirect")});
    EXPECT_EQ(links.Status, 0) << links.Err;
    EXPECT_EQ(links.Out, "one.html\ntwo.html\n");
    const TRun missing = Html({"title", server.Url("/missing.html")});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_EQ(missing.Err,
              "quorvane html: cannot load " + server.Url("/missing.html") + ": the server answered with HTTP status 404\n");
}
