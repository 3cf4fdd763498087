// The browser control: loading pages from files and over HTTP, the limits,
// and failures kept as the control's state.
#include "HttpServer.h"
#include "platform/browser/TCppWebBrowser.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

std::string DataPath(const std::string& name)
{
    const char* data = std::getenv("QUORVANE_TEST_DATA");
    return std::string(data != nullptr ? data : ".") + "/" + name;
}

// A scratch file that is removed again.
class TTempFile {
public:
    explicit TTempFile(const std::string& content)
    {
        char name[] = "/tmp/quorvane-html-XXXXXX";
        const int fd = mkstemp(name);
        FPath = name;
        if (fd >= 0) {
            const ssize_t written = write(fd, content.data(), content.size());
            EXPECT_EQ(written, static_cast<ssize_t>(content.size()));
            close(fd);
        }
    }
    ~TTempFile() { unlink(FPath.c_str()); }
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

void ExpectFailure(const TCppWebBrowser& browser, const std::string& address, const std::string& reason)
{
    EXPECT_TRUE(browser.Failed());
    EXPECT_EQ(browser.Document(), nullptr);
    EXPECT_NE(browser.ErrorText().find(address), std::string::npos) << browser.ErrorText();
    EXPECT_NE(browser.ErrorText().find(reason), std::string::npos) << browser.ErrorText();
}

} // namespace

TEST(BrowserFileTest, LoadsLocalPathsAndFileAddresses)
{
    const std::string path = DataPath("lower.html");
    char resolved[4096];
    ASSERT_NE(realpath(path.c_str(), resolved), nullptr);
    const std::string absolute = resolved;
    const std::string addresses[] = {path, "file://" + absolute, "file://localhost" + absolute,
                                     "file:" + absolute + "#top", "FILE://" + absolute + "?q=1"};
    for (const std::string& address : addresses) {
        SCOPED_TRACE(address);
        TCppWebBrowser browser(nullptr);
        browser.Navigate(address);
        ASSERT_FALSE(browser.Failed()) << browser.ErrorText();
        ASSERT_NE(browser.Document(), nullptr);
        EXPECT_EQ(browser.Document()->Title(), "Quorvane test page");
        EXPECT_EQ(browser.LocationURL(), "file://" + absolute);
    }
}

TEST(BrowserFileTest, PercentEscapesInFileAddressesAreDecoded)
{
    const TTempFile file("<title>escaped</title>");
    std::string encoded = "file://";
    for (const char c : file.Path())
        encoded += c == '-' ? std::string("%2D") : std::string(1, c);
    TCppWebBrowser browser(nullptr);
    browser.Navigate(encoded);
    ASSERT_FALSE(browser.Failed()) << browser.ErrorText();
    EXPECT_EQ(browser.Document()->Title(), "escaped");
}

TEST(BrowserFileTest, LegacyCharsetFromMetaElement)
{
    TCppWebBrowser browser(nullptr);
    browser.Navigate(DataPath("latin1.html"));
    ASSERT_FALSE(browser.Failed()) << browser.ErrorText();
    EXPECT_EQ(browser.Document()->Title(), "Caf\xC3\xA9 cr\xC3\xA8me");
    EXPECT_EQ(browser.Document()->Body()->InnerText(), "Gr\xC3\xBC\xC3\x9F" "e aus K\xC3\xB6ln");
}

TEST(BrowserFileTest, FailuresAreKeptAsStateAndNeverRaised)
{
    const struct {
        std::string Address;
        std::string Reason;
    } cases[] = {
        {DataPath("missing.html"), "No such file or directory"},
        {DataPath(""), "directory"},
        {"", "no address given"},
        {"ftp://example.org/a.html", "ftp: are not supported"},
        {"file://otherhost/etc/hostname", "other hosts"},
        {"file:relative.html", "absolute path"},
        {"about:config", "about:blank"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Address);
        TCppWebBrowser browser(nullptr);
        EXPECT_NO_THROW(browser.Navigate(c.Address));
        ExpectFailure(browser, c.Address, c.Reason);
    }
}

TEST(BrowserFileTest, AFailedNavigationDropsThePreviousPage)
{
    TCppWebBrowser browser(nullptr);
    browser.Navigate(DataPath("lower.html"));
    ASSERT_NE(browser.Document(), nullptr);
    browser.Navigate(DataPath("missing.html"));
    EXPECT_EQ(browser.Document(), nullptr);
    EXPECT_EQ(browser.LocationURL(), "");
    browser.Navigate("about:blank");
    EXPECT_FALSE(browser.Failed());
    ASSERT_NE(browser.Document(), nullptr);
    ASSERT_NE(browser.Document()->Body(), nullptr);
    EXPECT_EQ(browser.Document()->Body()->InnerHTML(), "");
    EXPECT_EQ(browser.Document()->Title(), "");
}

TEST(BrowserFileTest, SizeLimitAppliesToFiles)
{
    const TTempFile file(std::string(100, 'a'));
    TCppWebBrowser browser(nullptr);
    browser.SetMaxDocumentSize(100);
    browser.Navigate(file.Path());
    EXPECT_FALSE(browser.Failed()) << browser.ErrorText();
    browser.SetMaxDocumentSize(99);
    browser.Navigate(file.Path());
    ExpectFailure(browser, file.Path(), "larger than the limit of 99 bytes");
}

class BrowserHttpTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (THttpServer::PythonAvailable()) {
            Server = new THttpServer;
            Started = Server->Start();
        }
    }

    static void TearDownTestSuite()
    {
        delete Server;
        Server = nullptr;
    }

    void SetUp() override
    {
        if (!THttpServer::PythonAvailable())
            GTEST_SKIP() << "python3 is not available";
        ASSERT_TRUE(Started) << Server->Error();
    }

    static std::string Url(const std::string& path) { return Server->Url(path); }

    static THttpServer* Server;
    static bool Started;
    TCppWebBrowser Browser{nullptr};
};

THttpServer* BrowserHttpTest::Server = nullptr;
bool BrowserHttpTest::Started = false;

TEST_F(BrowserHttpTest, LoadsAPage)
{
    Browser.Navigate(Url("/page.html"));
    ASSERT_FALSE(Browser.Failed()) << Browser.ErrorText();
    EXPECT_EQ(Browser.Document()->Title(), "Served page");
    EXPECT_EQ(Browser.LocationURL(), Url("/page.html"));
}

TEST_F(BrowserHttpTest, FollowsRedirects)
{
    Browser.Navigate(Url("/redirect"));
    ASSERT_FALSE(Browser.Failed()) << Browser.ErrorText();
    EXPECT_EQ(Browser.Document()->Title(), "Served page");
    EXPECT_EQ(Browser.LocationURL(), Url("/page.html"));
}

TEST_F(BrowserHttpTest, DecodesTheCharsetOfTheHeader)
{
    Browser.Navigate(Url("/latin1.html"));
    ASSERT_FALSE(Browser.Failed()) << Browser.ErrorText();
    EXPECT_EQ(Browser.Document()->Title(), "Caf\xC3\xA9");
    EXPECT_EQ(Browser.Document()->Body()->InnerText(), "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC");
}

TEST_F(BrowserHttpTest, FailuresNameTheAddressAndTheReason)
{
    const struct {
        std::string Path;
        std::string Reason;
    } cases[] = {
        {"/missing.html", "HTTP status 404"},
        {"/image.png", "not a page but image/png"},
        // A redirect must not turn a web address into a local file read.
        {"/redirect-to-file", "file"},
        {"/loop", "redirect"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Path);
        Browser.Navigate(Url(c.Path));
        ExpectFailure(Browser, Url(c.Path), c.Reason);
    }
}

TEST_F(BrowserHttpTest, SizeLimitAppliesToTransfers)
{
    Browser.SetMaxDocumentSize(1000);
    Browser.Navigate(Url("/big/900"));
    EXPECT_FALSE(Browser.Failed()) << Browser.ErrorText();
    Browser.Navigate(Url("/big/5000"));
    ExpectFailure(Browser, Url("/big/5000"), "larger than the limit of 1000 bytes");
}

TEST_F(BrowserHttpTest, TimeLimitAbandonsAStalledTransfer)
{
    Browser.SetTimeout(1);
    Browser.Navigate(Url("/slow"));
    ExpectFailure(Browser, Url("/slow"), "timed out");
}
