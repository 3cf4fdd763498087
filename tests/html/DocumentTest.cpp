// Parsing a page into its document: the body markup the scans read, the
// body text, the title, and the decoding of character sets.
#include "platform/browser/ParseCost.h"
#include "platform/browser/TCppWebBrowser.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct TPage {
    TCppWebBrowser Browser{nullptr};

    explicit TPage(const std::string& bytes, const std::string& contentType = "")
    {
        Browser.LoadFromString(bytes, contentType);
    }

    const THTMLElement& Body() const
    {
        const THTMLDocument* document = Browser.Document();
        EXPECT_NE(document, nullptr);
        EXPECT_NE(document->Body(), nullptr);
        return *document->Body();
    }
};

struct TTextCase {
    const char* Rule;
    std::string Body;
    std::string Expected;
};

} // namespace

TEST(DocumentTest, InnerHtmlIsTheFormTheScansAreWrittenFor)
{
    const TTextCase cases[] = {
        {"element names in upper case", R"(<a href="a.htm">a</a>)", R"(<A href="a.htm">a</A>)"},
        {"attribute names in lower case, source order, double quotes; void elements without end tag",
         "<IMG SRC=p.gif Alt='x' width=2>", R"(<IMG src="p.gif" alt="x" width="2">)"},
        {"attribute values and text escaped",
         "<p title='say \"hi\" & <go>'>a&amp;b&lt;c&gt; \"q\"&nbsp;</p>",
         R"(<P title="say &quot;hi&quot; &amp; &lt;go&gt;">a&amp;b&lt;c&gt; "q"&nbsp;</P>)"},
        {"script text stays as written", "<script>if (a<b && c) x=\"</p>\";</script>",
         "<SCRIPT>if (a<b && c) x=\"</p>\";</SCRIPT>"},
        {"comments kept, self-closing void tags normalised", "<!-- note --><br/><hr>", "<!-- note --><BR><HR>"},
        {"implied end tags are written", "<ul><li>a<li>b</ul>", "<UL><LI>a</LI><LI>b</LI></UL>"},
        {"implied table sections are written", "<table><tr><td>1</td></tr></table>",
         "<TABLE><TBODY><TR><TD>1</TD></TR></TBODY></TABLE>"},
        {"the first of duplicate attributes wins", R"(<a href="1" HREF="2">x</a>)", R"(<A href="1">x</A>)"},
        {"custom elements in upper case too", "<my-widget data-id=1>x</my-widget>",
         R"(<MY-WIDGET data-id="1">x</MY-WIDGET>)"},
        {"SVG element names keep their case", R"(<svg viewBox="0 0 1 1"><foreignObject></foreignObject></svg>)",
         R"(<svg viewbox="0 0 1 1"><foreignObject></foreignObject></svg>)"},
        {"text areas hold escaped text", "<textarea><b>&amp;</textarea>", "<TEXTAREA>&lt;b&gt;&amp;</TEXTAREA>"},
        {"multi-byte text passes unchanged", "<p>\xC3\xA4\xE2\x82\xAC</p>", "<P>\xC3\xA4\xE2\x82\xAC</P>"},
    };
    for (const TTextCase& c : cases) {
        SCOPED_TRACE(c.Rule);
        const TPage page("<html><head><title>t</title></head><body>" + c.Body + "</body></html>");
        EXPECT_EQ(page.Body().InnerHTML(), c.Expected);
    }
}

TEST(DocumentTest, InnerTextHasTheLineBreaksOfTheLayoutFreeRules)
{
    const TTextCase cases[] = {
        {"two line breaks between paragraphs, none around the text", "<p>a</p><p>b</p>", "a\n\nb"},
        {"<br> is one line break", "a<br>b", "a\nb"},
        {"blocks break lines; the larger required count wins", "<div>a</div><div>b</div>c<p>d</p>e",
         "a\nb\nc\n\nd\n\ne"},
        {"white space collapses across elements and is trimmed at line ends", "  a   <b> b </b>  c  <div> d </div>",
         "a b c\nd"},
        {"tabs between cells, line breaks between rows", "<table><tr><td>a</td><td> b </td></tr><tr><th>c<td>d</table>",
         "a\tb\nc\td"},
        {"script, style, hidden elements and text areas are left out",
         "<script>x</script><style>y</style>a<span hidden>h</span><textarea>t</textarea>b", "ab"},
        {"pre keeps its white space", "<pre> a  b\n c</pre>", " a  b\n c"},
        {"list items each on a line", "<ul><li>x</li><li>y</li></ul>", "x\ny"},
        {"entities are decoded", "&amp; &lt;&#65;&gt;", "& <A>"},
        {"a <br> at the start is kept", "<br>a", "\na"},
    };
    for (const TTextCase& c : cases) {
        SCOPED_TRACE(c.Rule);
        const TPage page("<html><body>" + c.Body + "</body></html>");
        EXPECT_EQ(page.Body().InnerText(), c.Expected);
    }
}

TEST(DocumentTest, TitleIsTheFirstTitleWithWhiteSpaceCollapsed)
{
    EXPECT_EQ(TPage("<title>  Hello\n\t World  </title><title>second</title>").Browser.Document()->Title(),
              "Hello World");
    EXPECT_EQ(TPage("<p>no title</p>").Browser.Document()->Title(), "");
    EXPECT_EQ(TPage("<title>Caf&eacute; &amp; \xE2\x82\xAC</title>").Browser.Document()->Title(),
              "Caf\xC3\xA9 & \xE2\x82\xAC");
}

TEST(DocumentTest, EveryMarkupGivesADocumentWithABody)
{
    // The parser repairs whatever it is given, as a browser does.
    const std::string markups[] = {"", "plain text", "<", "</body></html><p>after", std::string("\0\xFF<b", 4)};
    for (const std::string& markup : markups) {
        SCOPED_TRACE(markup);
        const TPage page(markup);
        EXPECT_NO_FATAL_FAILURE(page.Body().InnerHTML());
    }
    // A frame page's body is its frameset, as document.body gives it.
    const TPage frames("<html><frameset><frame src=\"a.htm\"></frameset></html>");
    EXPECT_EQ(frames.Body().TagName(), "FRAMESET");
    EXPECT_EQ(frames.Body().InnerHTML(), R"(<FRAME src="a.htm">)");
}

TEST(DocumentTest, DeeplyNestedElementsDoNotExhaustTheStack)
{
    std::string markup;
    for (int i = 0; i < 20000; ++i)
        markup += "<span>";
    markup += "x";
    const TPage page(markup);
    const std::string html = page.Body().InnerHTML();
    EXPECT_EQ(html.size(), 20000u * (6 + 7) + 1);
    EXPECT_EQ(page.Body().InnerText(), "x");
}

TEST(DocumentTest, CharacterSetComesFromBomHeaderOrMetaElseUtf8)
{
    const std::string e = "\xC3\xA9"; // é
    const std::string euro = "\xE2\x82\xAC";
    const struct {
        const char* Rule;
        std::string Bytes;
        std::string ContentType;
        std::string Text;
    } cases[] = {
        {"the header's charset", "<p>\xE9</p>", "text/html; charset=ISO-8859-1", e},
        {"a quoted header charset", "<p>\xE9</p>", "text/html; Charset=\"latin1\"", e},
        {"Latin-1 is read as windows-1252", "<p>\x80</p>", "text/html; charset=iso-8859-1", euro},
        {"a meta charset", "<meta charset=\"windows-1252\"><p>\xE9\x80</p>", "", e + euro},
        {"a meta http-equiv Content-Type", "<meta http-equiv=Content-Type content=\"text/html; charset=koi8-r\"><p>\xC1</p>",
         "", "\xD0\xB0"},
        {"the header wins over a meta element", "<meta charset=koi8-r><p>\xE9</p>", "text/html; charset=latin1", e},
        {"a byte-order mark wins over the header", "\xEF\xBB\xBF<p>" + e + "</p>", "text/html; charset=latin1", e},
        {"UTF-16 with a byte-order mark", std::string("\xFF\xFE<\0p\0>\0\xE9\0", 10), "", e},
        {"UTF-16 named in a meta element means UTF-8", "<meta charset=utf-16><p>" + e + "</p>", "", e},
        {"an unknown charset falls back to UTF-8", "<p>" + e + "</p>", "text/html; charset=x-unknown-thing", e},
        {"a charset label cannot pass converter options", "<p>" + e + "</p>", "text/html; charset=latin1//IGNORE", e},
        {"a meta element after the first 1024 bytes is not read",
         "<p>" + std::string(1100, 'a') + "</p><meta charset=latin1><p>\xE9</p>", "",
         std::string(1100, 'a') + "\n\n\xEF\xBF\xBD"},
        {"invalid UTF-8 becomes U+FFFD", "<p>a\xFF\xC3(b</p>", "", "a\xEF\xBF\xBD\xEF\xBF\xBD(b"},
        {"bytes the legacy charset lacks become U+FFFD", "<p>\x81</p>", "text/html; charset=windows-1252",
         "\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Rule);
        const TPage page(c.Bytes, c.ContentType);
        EXPECT_EQ(page.Body().InnerText(), c.Text);
    }
}

TEST(ParseCostTest, CountsTheOpenElementsAtEachTag)
{
    const struct {
        const char* Rule;
        std::string Markup;
        std::uint64_t Cost;
    } cases[] = {
        {"each tag costs the depth at which it stands", "<div><div></div></div>", 0 + 1 + 2 + 1},
        {"void and self-closing-by-rule elements add no level", "<br><img src=x><p>a<p>b<li>c", 0},
        {"comments and doctypes hold no tags", "<!DOCTYPE html><!-- <div><div> --><div>", 0},
        {"raw text holds no tags", "<script>if (a<b) '<div><div>'</script><b>", 0 + 1 + 0},
        {"quoted values may hold '>'", "<a title=\"<div>\"><b>", 0 + 1},
        {"a quote inside an unquoted value quotes nothing", "<a x=a\"b><b><i>", 0 + 1 + 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Rule);
        EXPECT_EQ(EstimatedParseCost(c.Markup), c.Cost);
    }
}

TEST(ParseCostTest, APageNestedTooDeeplyIsRefusedInsteadOfHanging)
{
    std::string markup = "<html><body>";
    for (int i = 0; i < 200000; ++i)
        markup += "<div>";
    TCppWebBrowser browser(nullptr);
    browser.LoadFromString(markup, "", "deep.html");
    EXPECT_EQ(browser.Document(), nullptr);
    EXPECT_NE(browser.ErrorText().find("deep.html: the page nests its elements too deeply"), std::string::npos)
        << browser.ErrorText();
    // A thousand levels, far more than real pages have, are parsed.
    std::string deep;
    for (int i = 0; i < 1000; ++i)
        deep += "<div>";
    browser.LoadFromString(deep + "x");
    ASSERT_NE(browser.Document(), nullptr);
    EXPECT_EQ(browser.Document()->Body()->InnerText(), "x");
}
