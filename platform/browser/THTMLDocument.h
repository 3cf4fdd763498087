#pragma once

#include "platform/browser/THTMLElement.h"

#include <memory>
#include <string>
#include <string_view>

struct GumboInternalOutput;

/// A page parsed by the HTML5 parsing rules, as a browser builds it: every
/// markup, however malformed, gives a document.
class THTMLDocument {
public:
    /// Parses UTF-8 markup (invalid sequences are read as U+FFFD).
    explicit THTMLDocument(std::string markup);
    ~THTMLDocument();

    THTMLDocument(const THTMLDocument&) = delete;
    THTMLDocument& operator=(const THTMLDocument&) = delete;

    /// The text of the first title element, white space stripped and
    /// collapsed; empty when the page has none.
    std::string Title() const;

    /// The body element (or the frameset of a frame page), or nullptr.
    const THTMLElement* Body() const { return FBody.get(); }

private:
    std::string FMarkup; // the parser's nodes point into it
    GumboInternalOutput* FOutput = nullptr;
    std::unique_ptr<THTMLElement> FBody;
};
