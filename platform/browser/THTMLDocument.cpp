#include "platform/browser/THTMLDocument.h"

#include "platform/browser/Charset.h"

#include <gumbo.h>

#include <vector>

namespace {

bool IsHtmlElement(const GumboNode* node, GumboTag tag)
{
    return (node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE) &&
           node->v.element.tag_namespace == GUMBO_NAMESPACE_HTML && node->v.element.tag == tag;
}

bool IsAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

} // namespace

THTMLDocument::THTMLDocument(std::string markup) : FMarkup(ValidUtf8(markup))
{
    GumboOptions options = kGumboDefaultOptions;
    // Parse errors are of no use here, and a broken page would collect
    // millions of them.
    options.max_errors = 0;
    FOutput = gumbo_parse_with_options(&options, FMarkup.data(), FMarkup.size());
    const GumboNode* root = FOutput->root;
    if (root != nullptr && IsHtmlElement(root, GUMBO_TAG_HTML)) {
        const GumboVector& children = root->v.element.children;
        for (unsigned i = 0; i < children.length; ++i) {
            const auto* child = static_cast<const GumboNode*>(children.data[i]);
            if (IsHtmlElement(child, GUMBO_TAG_BODY) || IsHtmlElement(child, GUMBO_TAG_FRAMESET)) {
                FBody = std::make_unique<THTMLElement>(child);
                break;
            }
        }
    }
}

THTMLDocument::~THTMLDocument()
{
    if (FOutput != nullptr)
        gumbo_destroy_output(&kGumboDefaultOptions, FOutput);
}

std::string THTMLDocument::Title() const
{
    // The first title element in tree order, found without recursion.
    std::vector<const GumboNode*> pending{FOutput->root};
    const GumboNode* title = nullptr;
    while (!pending.empty() && title == nullptr) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (IsHtmlElement(node, GUMBO_TAG_TITLE)) {
            title = node;
            break;
        }
        if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE)
            continue;
        const GumboVector& children = node->v.element.children;
        for (unsigned i = children.length; i-- > 0;)
            pending.push_back(static_cast<const GumboNode*>(children.data[i]));
    }
    if (title == nullptr)
        return {};
    std::string text;
    const GumboVector& children = title->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        const auto* child = static_cast<const GumboNode*>(children.data[i]);
        if (child->type == GUMBO_NODE_TEXT || child->type == GUMBO_NODE_WHITESPACE)
            text += child->v.text.text;
    }
    std::string result;
    bool space = false;
    for (const char c : text) {
        if (IsAsciiSpace(c)) {
            space = true;
            continue;
        }
        if (space && !result.empty())
            result += ' ';
        space = false;
        result += c;
    }
    return result;
}
