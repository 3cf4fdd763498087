#pragma once

#include "platform/Component.h"
#include "platform/browser/THTMLDocument.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

/// The browser control: loads a page, decodes it to UTF-8 and parses it
/// into the Document it shows. Loading is synchronous; a failed load is
/// kept as the control's state (Failed, ErrorText) and never raised.
///
/// Limits of a load: pages above MaxDocumentSize bytes (256 MiB unless
/// changed) are refused, and a network transfer is abandoned after
/// Timeout seconds (30 unless changed), redirects included. A page that
/// leaves so many elements open that parsing it would take minutes (work
/// estimated above MaxParseCost, some twenty seconds of parsing) is refused.
class TCppWebBrowser : public TComponent {
public:
    static constexpr std::size_t DefaultMaxDocumentSize = 256u * 1024u * 1024u;
    static constexpr long DefaultTimeout = 30;
    static constexpr std::uint64_t MaxParseCost = 4'000'000'000u;

    explicit TCppWebBrowser(TComponent* owner);
    ~TCppWebBrowser() override;

    const char* ClassName() const override { return "TCppWebBrowser"; }

    /// Loads and shows the page at an address: "about:blank", a local path,
    /// a file:// URL, or an http:// or https:// URL (redirects followed).
    /// The character set comes from the HTTP header, a byte-order mark or a
    /// meta element, else UTF-8 is assumed. On failure the control shows no
    /// document and ErrorText says why.
    void Navigate(const std::string& address);

    /// Shows a page given as bytes, as if it had been loaded from address
    /// with that Content-Type (whose charset, if any, is used).
    void LoadFromString(std::string_view bytes, std::string_view contentType = {},
                        const std::string& address = "about:blank");

    /// The document shown, or nullptr before the first load and after a
    /// failed one.
    const THTMLDocument* Document() const { return FDocument.get(); }

    /// The address of the document shown (after redirects), or empty.
    const std::string& LocationURL() const { return FLocationURL; }

    /// True when the last load failed; ErrorText names the address and the reason.
    bool Failed() const { return !FErrorText.empty(); }
    const std::string& ErrorText() const { return FErrorText; }

    std::size_t MaxDocumentSize() const { return FMaxDocumentSize; }
    void SetMaxDocumentSize(std::size_t value) { FMaxDocumentSize = value; }
    long Timeout() const { return FTimeout; }
    void SetTimeout(long value) { FTimeout = value > 0 ? value : DefaultTimeout; }

private:
    std::unique_ptr<THTMLDocument> FDocument;
    std::string FLocationURL;
    std::string FErrorText;
    std::size_t FMaxDocumentSize = DefaultMaxDocumentSize;
    long FTimeout = DefaultTimeout;
};
