#include "platform/browser/TCppWebBrowser.h"

#include "platform/browser/Charset.h"
#include "platform/browser/PageLoader.h"
#include "platform/browser/ParseCost.h"

namespace {

std::string MediaType(std::string_view contentType)
{
    std::string type(contentType.substr(0, contentType.find(';')));
    while (!type.empty() && (type.back() == ' ' || type.back() == '\t'))
        type.pop_back();
    const std::size_t start = type.find_first_not_of(" \t");
    type = start == std::string::npos ? std::string() : type.substr(start);
    for (char& c : type)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return type;
}

// Anything textual is shown as a page; images, archives and the like are not.
bool IsShownAsPage(const std::string& mediaType)
{
    return mediaType.empty() || mediaType.rfind("text/", 0) == 0 || mediaType.find("html") != std::string::npos ||
           mediaType.find("xml") != std::string::npos;
}

} // namespace

TCppWebBrowser::TCppWebBrowser(TComponent* owner) : TComponent(owner) {}

TCppWebBrowser::~TCppWebBrowser() = default;

void TCppWebBrowser::Navigate(const std::string& address)
{
    // The old page goes first, so a failed load never leaves it looking current.
    FDocument.reset();
    FLocationURL.clear();
    FErrorText.clear();
    TLoadLimits limits;
    limits.MaxBytes = FMaxDocumentSize;
    limits.TimeoutSeconds = FTimeout;
    TLoadedPage page = LoadPage(address, limits);
    if (!page.Ok) {
        FErrorText = "cannot load " + address + ": " + page.Error;
        return;
    }
    const std::string type = MediaType(page.ContentType);
    if (!IsShownAsPage(type)) {
        FErrorText = "cannot load " + address + ": it is not a page but " + type;
        return;
    }
    LoadFromString(page.Bytes, page.ContentType, page.Url);
}

void TCppWebBrowser::LoadFromString(std::string_view bytes, std::string_view contentType, const std::string& address)
{
    FDocument.reset();
    FLocationURL.clear();
    FErrorText.clear();
    std::string markup = DecodePageText(bytes, CharsetFromContentType(contentType));
    if (EstimatedParseCost(markup) > MaxParseCost) {
        FErrorText = "cannot load " + address +
                     ": the page nests its elements too deeply to be parsed in reasonable time";
        return;
    }
    FDocument = std::make_unique<THTMLDocument>(std::move(markup));
    FLocationURL = address;
}
