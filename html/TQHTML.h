#pragma once

#include "platform/Component.h"
#include "platform/TListBox.h"
#include "platform/TStrings.h"
#include "platform/browser/TCppWebBrowser.h"

#include <string>

/// The HTML document component: reads the title, body text and body markup
/// of the page that its Browser shows, lets the browser navigate, and
/// collects link addresses, image addresses and values between markers from
/// the body markup. It only refers to the browser: the application assigns
/// Browser, and clears or reassigns it before destroying the control.
///
/// The reads and scans raise Exception when no browser is assigned, when
/// it shows no page, or when the page has no body.
class TQHTML : public TComponent {
public:
    explicit TQHTML(TComponent* owner);
    ~TQHTML() override;

    const char* ClassName() const override { return "TQHTML"; }

    /// The browser control whose document is read; set in code, never stored.
    TCppWebBrowser* Browser = nullptr;

    /// The document's title (empty when it has none).
    std::string GetTitel() const;
    /// The body's text without markup.
    std::string GetBodyText() const;
    /// The body's markup, the text the scans read.
    std::string GetBodyHtml() const;

    /// Adds the address of every `<A href="...">` of the body markup to the
    /// target; true when the markup ended inside an unfinished address.
    bool GetAllLinks(TListBox& listBox) const;
    bool GetAllLinks(TStringList& list) const;

    /// Adds the `src="..."` value that follows each `<IMG ` to the target;
    /// true once an address has been begun.
    bool GetAllImages(TListBox& listBox) const;
    bool GetAllImages(TStringList& list) const;

    /// Adds every value between valueMark and endMark that follows
    /// startMark to the target; true once a value has been begun.
    bool GetAllVar(TStringList& list, const std::string& startMark, const std::string& valueMark,
                   const std::string& endMark) const;
    bool GetAllVar(TListBox& listBox, const std::string& startMark, const std::string& valueMark,
                   const std::string& endMark) const;

    /// Always the empty text.
    std::string GetActiveImage(int x, int y) const;

    /// Asks the desktop to open the address; works without a Browser.
    void CallExternUrl(const std::string& url) const;

    /// Asks the browser to navigate to the address; a failure stays the
    /// browser's state and is not reported here.
    void BrowseTo(const std::string& url) const;

private:
    const THTMLDocument& Document() const;
    const THTMLElement& Body() const;
    bool LinksInto(TStrings& target) const;
    bool ImagesInto(TStrings& target) const;
    bool VarsInto(TStrings& target, const std::string& startMark, const std::string& valueMark,
                  const std::string& endMark) const;
};

namespace Qhtml {
/// Puts TQHTML on the component palette page "Quorvane".
void Register();
} // namespace Qhtml
