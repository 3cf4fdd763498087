#include "html/TQHTML.h"

#include "html/HtmlScans.h"
#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/Shell.h"

#include <memory>

namespace {

// Every scan step hands control to the message loop, so the window stays
// responsive while long markup is scanned.
void ProcessMessages() { Application().ProcessMessages(); }

} // namespace

TQHTML::TQHTML(TComponent* owner) : TComponent(owner) {}

TQHTML::~TQHTML() = default;

const THTMLDocument& TQHTML::Document() const
{
    if (Browser == nullptr)
        throw Exception("No browser control is assigned to the HTML component");
    const THTMLDocument* document = Browser->Document();
    if (document == nullptr) {
        if (Browser->Failed())
            throw Exception("The browser shows no page: " + Browser->ErrorText());
        throw Exception("The browser shows no page");
    }
    return *document;
}

const THTMLElement& TQHTML::Body() const
{
    const THTMLElement* body = Document().Body();
    if (body == nullptr)
        throw Exception("The page has no body");
    return *body;
}

std::string TQHTML::GetTitel() const { return Document().Title(); }

std::string TQHTML::GetBodyText() const { return Body().InnerText(); }

std::string TQHTML::GetBodyHtml() const { return Body().InnerHTML(); }

// The scans work on their own copy of the markup, so a navigation from a
// message handler during the scan does not change their input.
bool TQHTML::LinksInto(TStrings& target) const
{
    const std::string markup = GetBodyHtml();
    return ScanLinks(markup, [&target](const std::string& entry) { target.Add(entry); }, ProcessMessages);
}

bool TQHTML::ImagesInto(TStrings& target) const
{
    const std::string markup = GetBodyHtml();
    return ScanImages(markup, [&target](const std::string& entry) { target.Add(entry); }, ProcessMessages);
}

bool TQHTML::VarsInto(TStrings& target, const std::string& startMark, const std::string& valueMark,
                      const std::string& endMark) const
{
    const std::string markup = GetBodyHtml();
    return ScanVars(
        markup, startMark, valueMark, endMark, [&target](const std::string& entry) { target.Add(entry); },
        ProcessMessages);
}

bool TQHTML::GetAllLinks(TListBox& listBox) const { return LinksInto(listBox.Items()); }

bool TQHTML::GetAllLinks(TStringList& list) const { return LinksInto(list); }

bool TQHTML::GetAllImages(TListBox& listBox) const { return ImagesInto(listBox.Items()); }

bool TQHTML::GetAllImages(TStringList& list) const { return ImagesInto(list); }

bool TQHTML::GetAllVar(TStringList& list, const std::string& startMark, const std::string& valueMark,
                       const std::string& endMark) const
{
    return VarsInto(list, startMark, valueMark, endMark);
}

bool TQHTML::GetAllVar(TListBox& listBox, const std::string& startMark, const std::string& valueMark,
                       const std::string& endMark) const
{
    return VarsInto(listBox.Items(), startMark, valueMark, endMark);
}

std::string TQHTML::GetActiveImage(int, int) const { return {}; }

void TQHTML::CallExternUrl(const std::string& url) const { ShellOpen(url); }

void TQHTML::BrowseTo(const std::string& url) const
{
    if (Browser == nullptr)
        throw Exception("No browser control is assigned to the HTML component");
    Browser->Navigate(url);
}

namespace Qhtml {

void Register()
{
    RegisterComponents("Quorvane", {{"TQHTML", [] { return std::make_unique<TQHTML>(nullptr); }}});
}

} // namespace Qhtml
