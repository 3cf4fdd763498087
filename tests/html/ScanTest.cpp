// The three scans over body markup, as functions of the markup text.
#include "html/HtmlScans.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

enum class TScan { Links, Images, Vars };

struct TScanResult {
    std::vector<std::string> Entries;
    bool Result = false;
};

TScanResult RunScan(TScan scan, const std::string& markup, const std::string& start = "", const std::string& value = "",
                const std::string& end = "")
{
    TScanResult r;
    const TScanAdd add = [&r](const std::string& entry) { r.Entries.push_back(entry); };
    switch (scan) {
    case TScan::Links:
        r.Result = ScanLinks(markup, add);
        break;
    case TScan::Images:
        r.Result = ScanImages(markup, add);
        break;
    case TScan::Vars:
        r.Result = ScanVars(markup, start, value, end, add);
        break;
    }
    return r;
}

struct TScanCase {
    const char* Rule;
    TScan Scan;
    std::string Markup;
    std::vector<std::string> Entries;
    bool Result;
    std::string Start = "var ", Value = "= ", End = ";";
};

void Verify(const TScanCase& c)
{
    SCOPED_TRACE(c.Rule);
    SCOPED_TRACE("markup: " + c.Markup);
    const TScanResult r = RunScan(c.Scan, c.Markup, c.Start, c.Value, c.End);
    EXPECT_EQ(r.Entries, c.Entries);
    EXPECT_EQ(r.Result, c.Result);
}

const std::string VarMarks[] = {"var ", "= ", ";"};

} // namespace

TEST(ScanTest, WorkedExamples)
{
    const TScanCase cases[] = {
        {"links in order; result is in-link, false after closed links", TScan::Links,
         R"(<P><A href="a.htm">A</A> <A href="b.htm">B</A></P>)", {"a.htm", "b.htm"}, false},
        {"lower case and a class before href are not recognised", TScan::Links,
         R"(<a href="a.htm">a</a><A class=k href="b.htm">b</A>)", {}, false},
        {"an empty address is an empty entry", TScan::Links, R"(<A href="">e</A>.)", {""}, false},
        {"an address cut off by the end is not added, result true", TScan::Links, R"(<P>See <A href="c.htm)", {},
         true},
        {"a link opening inside an address restarts it", TScan::Links, R"(<A href="x<A href="y">z</A>)", {"y"},
         false},
        {"image addresses, other attributes before src", TScan::Images,
         R"(<P><IMG src="p.gif"> <IMG alt="" src="q.gif"></P>)", {"p.gif", "q.gif"}, true},
        {"an image without src takes the next src of any element", TScan::Images,
         R"(<P><IMG alt=x><SCRIPT src="s.js"></SCRIPT></P>)", {"s.js"}, true},
        {"lower-case image tags are not recognised", TScan::Images, R"(<p><img src="a.gif"></p>)", {}, false},
        {"an empty image address is an empty entry", TScan::Images, R"(<P><IMG src="">.</P>)", {""}, true},
        {"found is set once an address is begun, even unfinished", TScan::Images, R"(<IMG src="a")", {}, true},
        {"declarations after a two-character line break", TScan::Vars,
         "<SCRIPT>var a = 1;\r\nvar b = 2;\r\n</SCRIPT>", {"1", "2"}, true},
        // Holds over the original behaviour, which skipped two characters
        // after the end mark and so lost "var b".
        {"a declaration right after '; ' is found", TScan::Vars, "<SCRIPT>var a = 1; var b = 2;</SCRIPT>",
         {"1", "2"}, true},
        {"a value mark inside a value restarts it", TScan::Vars, "<SCRIPT>var a = 1, c = 3;</SCRIPT>", {"3"}, true},
        {"a start mark inside a value drops it", TScan::Vars, "<SCRIPT>var a = 1 var b = 2;</SCRIPT>", {"2"}, true},
        {"the end mark is not quote-aware", TScan::Vars, "<SCRIPT>var s = \"a;b\";</SCRIPT>", {"\"a"}, true},
        {"a value mark without a start mark is ignored", TScan::Vars, "<SCRIPT>x = 1; var b;</SCRIPT>", {}, false},
        {"attribute values between marks", TScan::Vars, R"(<INPUT value="7"> <INPUT value="8"> <BR><BR>)",
         {"7", "8"}, true, "<INPUT ", "value=\"", "\""},
    };
    for (const TScanCase& c : cases)
        Verify(c);
}

TEST(ScanTest, EdgeCases)
{
    const TScanCase cases[] = {
        {"empty markup: no entries, false", TScan::Links, "", {}, false},
        {"empty markup: no entries, false", TScan::Images, "", {}, false},
        {"empty markup: no entries, false", TScan::Vars, "", {}, false},
        {"single-quoted and unquoted addresses are not links", TScan::Links,
         "<A href='a.htm'>a</A><A href=b.htm>b</A>........", {}, false},
        {"a closing quote in the last position is never read", TScan::Links, R"(<A href="x")", {}, true},
        {"a closing quote before the last position is read", TScan::Links, R"(<A href="x"+)", {"x"}, false},
        {"a link opening followed by one character is not recognised", TScan::Links, R"(<A href="x)", {}, false},
        {"src past the marker limit is not recognised", TScan::Images, R"(<IMG alt=x src="a">)", {}, false},
        {"the same markup with more after it is", TScan::Images, R"(<IMG alt=x src="a"></P>)", {"a"}, true},
        {"<IMG  inside an address empties it and is skipped", TScan::Images, R"(<IMG src="a<IMG b"></P>)",
         {"b"}, true},
        {"a value begun near the end sets found without an entry", TScan::Vars, "var a = 1234567", {}, true},
        {"one-character line breaks no longer lose declarations", TScan::Vars, "var a = 1;\nvar b = 2;\nvar c = 3;\n</SCRIPT>",
         {"1", "2", "3"}, true},
        {"an end mark followed directly by a declaration", TScan::Vars, "var a = 1;var b = 2;</SCRIPT>", {"1", "2"}, true},
        {"a multi-character end mark", TScan::Vars, "<B>x</B> <B>y</B>.......", {"x", "y"}, true, "<B", ">", "</B>"},
        {"an empty end mark adds each begun value at once, empty", TScan::Vars, "var a = 1; var b = 2;....",
         {"", ""}, true, "var ", "= ", ""},
        {"empty start and value marks restart the value at every step", TScan::Vars, "ab;cd", {""}, true, "", "",
         ";"},
        {"all marks empty still ends", TScan::Vars, "abc", {"", "", ""}, true, "", "", ""},
        {"markers are bytes: multi-byte text passes unchanged", TScan::Links,
         "<A href=\"\xC3\xA4.htm\">x</A>", {"\xC3\xA4.htm"}, false},
    };
    for (const TScanCase& c : cases)
        Verify(c);
}

TEST(ScanTest, StepHookRunsOncePerScanStep)
{
    // Steps start at positions 0..L-1, minus those skipped by marker advances.
    int steps = 0;
    const TScanStep step = [&steps] { ++steps; };
    const TScanAdd ignore = [](const std::string&) {};
    ScanLinks("0123456789abcdef", ignore, step);
    EXPECT_EQ(steps, 16);
    steps = 0;
    ScanLinks(R"(<A href="x">...)", ignore, step); // 15 characters, 9 skipped by the opening text
    EXPECT_EQ(steps, 6);
    steps = 0;
    ScanVars("var a = 1;var b", VarMarks[0], VarMarks[1], VarMarks[2], ignore, step);
    // p = 0, 1 (skips "var " to 5), 6, 7 (skips "= " to 9), 10 (the end mark), 11..14.
    EXPECT_EQ(steps, 9);
}

TEST(ScanTest, AnExceptionFromTheTargetEndsTheScanAndKeepsEarlierEntries)
{
    std::vector<std::string> added;
    const TScanAdd add = [&added](const std::string& entry) {
        if (added.size() == 1)
            throw std::runtime_error("full");
        added.push_back(entry);
    };
    EXPECT_THROW(ScanLinks(R"(<A href="a">1</A><A href="b">2</A><A href="c">3</A>)", add), std::runtime_error);
    EXPECT_EQ(added, std::vector<std::string>{"a"});
}

TEST(ScanTest, ScansAreLinearInTheMarkup)
{
    // Long markup with very long entries: each entry is built by appending,
    // so this finishes at once; a scan copying the markup per step would not.
    std::string markup;
    for (int i = 0; i < 2000; ++i)
        markup += "<A href=\"" + std::string(500, 'x') + "\">l</A><IMG src=\"i\"> var v = " + std::string(500, 'y') + ";";
    markup += "</P>";
    TScanResult links = RunScan(TScan::Links, markup);
    TScanResult images = RunScan(TScan::Images, markup);
    TScanResult vars = RunScan(TScan::Vars, markup, "var ", "= ", ";");
    ASSERT_EQ(links.Entries.size(), 2000u);
    EXPECT_EQ(links.Entries.back(), std::string(500, 'x'));
    EXPECT_EQ(images.Entries.size(), 2000u);
    ASSERT_EQ(vars.Entries.size(), 2000u);
    EXPECT_EQ(vars.Entries.front(), std::string(500, 'y'));
}
