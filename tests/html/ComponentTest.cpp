// The HTML document component over a real browser control.
#include "html/TQHTML.h"
#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/Shell.h"
#include "platform/TListBox.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string DataPath(const std::string& name)
{
    const char* data = std::getenv("QUORVANE_TEST_DATA");
    return std::string(data != nullptr ? data : ".") + "/" + name;
}

using TLines = std::vector<std::string>;

class ComponentTest : public testing::Test {
protected:
    void TearDown() override
    {
        Application().SetProcessMessagesHook({});
        SetShellOpenHook({});
    }

    void Show(const std::string& body) { Browser.LoadFromString("<html><body>" + body + "</body></html>"); }

    TCppWebBrowser Browser{nullptr};
    TQHTML Html{nullptr};
};

void ExpectMessage(const std::function<void()>& operation, const std::string& message)
{
    try {
        operation();
        ADD_FAILURE() << "no exception; expected: " << message;
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find(message), std::string::npos) << e.Message();
    }
}

} // namespace

TEST_F(ComponentTest, ReadsAndScansRaiseAClearErrorWithoutAPage)
{
    TStringList list;
    TListBox listBox(nullptr);
    const std::vector<std::function<void()>> operations = {
        [&] { Html.GetTitel(); },
        [&] { Html.GetBodyText(); },
        [&] { Html.GetBodyHtml(); },
        [&] { Html.GetAllLinks(list); },
        [&] { Html.GetAllImages(listBox); },
        [&] { Html.GetAllVar(list, "var ", "= ", ";"); },
        [&] { Html.GetAllVar(listBox, "var ", "= ", ";"); },
    };
    for (const auto& operation : operations) {
        Html.Browser = nullptr;
        ExpectMessage(operation, "No browser control is assigned");
        TCppWebBrowser browser(nullptr);
        Html.Browser = &browser; // nothing loaded yet
        ExpectMessage(operation, "The browser shows no page");
        browser.Navigate(DataPath("missing.html"));
        ExpectMessage(operation, "No such file or directory");
    }
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(listBox.Items().Count(), 0);
    Html.Browser = nullptr;
    ExpectMessage([&] { Html.BrowseTo("about:blank"); }, "No browser control is assigned");
}

TEST_F(ComponentTest, AnEmptyBodyYieldsNothingAndFalse)
{
    Html.Browser = &Browser;
    Browser.Navigate("about:blank");
    TStringList list;
    EXPECT_EQ(Html.GetTitel(), "");
    EXPECT_EQ(Html.GetBodyText(), "");
    EXPECT_FALSE(Html.GetAllLinks(list));
    EXPECT_FALSE(Html.GetAllImages(list));
    EXPECT_FALSE(Html.GetAllVar(list, "var ", "= ", ";"));
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ComponentTest, APageWrittenInLowerCaseIsScannedThroughItsSerializedMarkup)
{
    Html.Browser = &Browser;
    Html.BrowseTo(DataPath("lower.html"));
    EXPECT_EQ(Html.GetTitel(), "Quorvane test page");

    TStringList links;
    EXPECT_FALSE(Html.GetAllLinks(links));
    // Entries are copied from the markup as it stands, entities included.
    EXPECT_EQ(links.Lines(), (TLines{"first.html", "https://example.org/second?a=1&amp;b=2"}));

    TListBox images(nullptr);
    EXPECT_TRUE(Html.GetAllImages(images));
    EXPECT_EQ(images.Items().Lines(), (TLines{"logo.png", "photo.jpg"}));

    TStringList values;
    EXPECT_TRUE(Html.GetAllVar(values, "var ", "= ", ";"));
    EXPECT_EQ(values.Lines(), (TLines{"640", "480", "24"}));

    TListBox inputs(nullptr);
    EXPECT_TRUE(Html.GetAllVar(inputs, "<INPUT ", "value=\"", "\""));
    EXPECT_EQ(inputs.Items().Lines(), (TLines{"7", "8"}));
}

TEST_F(ComponentTest, TargetsAreAppendedToAndBothKindsGetTheSameEntries)
{
    Html.Browser = &Browser;
    Show(R"(<P><A href="a.htm">A</A> <A href="a.htm">again</A></P>)");
    TStringList list({"kept"});
    TListBox listBox(nullptr);
    Html.GetAllLinks(list);
    Html.GetAllLinks(list);
    Html.GetAllLinks(listBox);
    EXPECT_EQ(list.Lines(), (TLines{"kept", "a.htm", "a.htm", "a.htm", "a.htm"}));
    EXPECT_EQ(listBox.Items().Lines(), (TLines{"a.htm", "a.htm"}));
}

TEST_F(ComponentTest, BodyTextHasNoTagsWhileBodyHtmlIsTheMarkup)
{
    Html.Browser = &Browser;
    Show("<p>One <b>two</b></p><p>three</p>");
    EXPECT_EQ(Html.GetBodyText(), "One two\n\nthree");
    EXPECT_EQ(Html.GetBodyHtml(), "<P>One <B>two</B></P><P>three</P>");
}

TEST_F(ComponentTest, EveryScanStepProcessesMessagesAndMayReenter)
{
    Html.Browser = &Browser;
    const std::string markup = R"(<P><A href="a.htm">A</A> <A href="b.htm">B</A></P>)";
    Show(markup);
    TStringList list;
    int steps = 0;
    bool reentered = false;
    Application().SetProcessMessagesHook([&] {
        ++steps;
        if (steps == 5 && !reentered) {
            reentered = true;
            // A handler that scans and then navigates: the inner scan runs to
            // its end, and the outer one keeps scanning its own copy.
            Html.GetAllLinks(list);
            Browser.Navigate("about:blank");
        }
    });
    EXPECT_FALSE(Html.GetAllLinks(list));
    EXPECT_EQ(list.Lines(), (TLines{"a.htm", "b.htm", "a.htm", "b.htm"}));
    // Two scans of 51 positions, each skipping 9 twice.
    EXPECT_EQ(steps, 2 * (static_cast<int>(markup.size()) - 18));
}

TEST_F(ComponentTest, ActiveImageIsAlwaysEmpty)
{
    EXPECT_EQ(Html.GetActiveImage(0, 0), "");
    Html.Browser = &Browser;
    Show(R"(<IMG src="a.gif">)");
    EXPECT_EQ(Html.GetActiveImage(-1, 100000), "");
}

TEST_F(ComponentTest, CallExternUrlHandsTheAddressToTheShellWithoutABrowser)
{
    std::vector<std::string> opened;
    SetShellOpenHook([&opened](const std::string& address) { opened.push_back(address); });
    const std::string address = "https://example.org/?a=1;touch /tmp/x";
    Html.CallExternUrl(address);
    EXPECT_EQ(opened, TLines{address});
}

TEST_F(ComponentTest, BrowseToNavigatesAndAFailureShowsInTheReads)
{
    Html.Browser = &Browser;
    Html.BrowseTo(DataPath("latin1.html"));
    EXPECT_EQ(Html.GetTitel(), "Caf\xC3\xA9 cr\xC3\xA8me");
    Html.BrowseTo("");
    EXPECT_TRUE(Browser.Failed());
    ExpectMessage([&] { Html.GetTitel(); }, "no address given");
}

TEST_F(ComponentTest, TheComponentOnlyRefersToItsBrowser)
{
    {
        TComponent owner(nullptr);
        auto* html = new TQHTML(&owner);
        html->Browser = &Browser;
        Browser.Navigate(DataPath("lower.html"));
    }
    ASSERT_NE(Browser.Document(), nullptr);
    EXPECT_EQ(Browser.Document()->Title(), "Quorvane test page");
}

TEST(ComponentRegistrationTest, RegisteredOnTheQuorvanePageWithNoOwnProperties)
{
    Qhtml::Register();
    const std::vector<std::string> classes = PaletteClasses("Quorvane");
    EXPECT_NE(std::find(classes.begin(), classes.end(), "TQHTML"), classes.end());
    const TComponentClass* registered = FindComponentClass("TQHTML");
    ASSERT_NE(registered, nullptr);
    const std::unique_ptr<TComponent> component = registered->Create();
    EXPECT_STREQ(component->ClassName(), "TQHTML");
    EXPECT_EQ(component->Properties().size(), TComponent(nullptr).Properties().size());
}

TEST(ComponentLargePageTest, AFiftyMegabytePageIsReadAndScanned)
{
    char name[] = "/tmp/quorvane-large-XXXXXX";
    const int fd = mkstemp(name);
    ASSERT_GE(fd, 0);
#if defined(__SANITIZE_ADDRESS__)
    // The instrumented build walks the same path over a fifth of the page.
    const int lines = 200000;
#else
    const int lines = 1000000;
#endif
    std::string content;
    content.reserve(56u * lines);
    content += "<html><head><title>large</title></head><body>\n";
    for (int i = 0; i < lines; ++i)
        content += "<p><a href=\"p" + std::to_string(i) + ".htm\">link</a> <img src=\"i.png\"> text</p>\n";
    content += "</body></html>\n";
    ASSERT_GT(content.size(), lines * 50u);
    ASSERT_EQ(write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
    close(fd);
    content.clear();
    content.shrink_to_fit();

    TCppWebBrowser browser(nullptr);
    browser.Navigate(name);
    unlink(name);
    ASSERT_FALSE(browser.Failed()) << browser.ErrorText();
    TQHTML html(nullptr);
    html.Browser = &browser;
    TStringList links, images;
    EXPECT_FALSE(html.GetAllLinks(links));
    EXPECT_TRUE(html.GetAllImages(images));
    ASSERT_EQ(links.Count(), lines);
    EXPECT_EQ(links.Strings(lines - 1), "p" + std::to_string(lines - 1) + ".htm");
    EXPECT_EQ(images.Count(), lines);
    EXPECT_EQ(html.GetTitel(), "large");
    EXPECT_EQ(html.GetBodyText().size(), lines * std::string("link text\n\n").size() - 2);
}
