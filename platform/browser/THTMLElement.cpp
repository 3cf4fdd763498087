#include "platform/browser/THTMLElement.h"

#include <gumbo.h>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

// Both walks below keep their own stack instead of recursing, so a page
// that nests elements very deeply cannot exhaust the call stack.

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsElement(const GumboNode* node)
{
    return node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE;
}

bool IsHtml(const GumboNode* node) { return IsElement(node) && node->v.element.tag_namespace == GUMBO_NAMESPACE_HTML; }

// The element's name in lower case, as written for elements the parser
// does not know (custom elements, newer ones).
std::string LocalName(const GumboNode* node)
{
    const GumboElement& element = node->v.element;
    if (element.tag != GUMBO_TAG_UNKNOWN)
        return gumbo_normalized_tagname(element.tag);
    GumboStringPiece piece = element.original_tag;
    if (piece.data == nullptr || piece.length == 0)
        return "unknown";
    gumbo_tag_from_original_text(&piece);
    std::string name;
    for (std::size_t i = 0; i < piece.length; ++i) {
        const char c = piece.data[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '/' || c == '>')
            break;
        name += LowerAscii(c);
    }
    return name.empty() ? "unknown" : name;
}

// The name as serialized: HTML elements in upper case, SVG elements with
// their mixed-case names, MathML as written.
std::string SerializedName(const GumboNode* node)
{
    std::string name = LocalName(node);
    switch (node->v.element.tag_namespace) {
    case GUMBO_NAMESPACE_HTML:
        std::transform(name.begin(), name.end(), name.begin(), UpperAscii);
        break;
    case GUMBO_NAMESPACE_SVG: {
        const GumboStringPiece piece{name.data(), name.size()};
        if (const char* svg = gumbo_normalize_svg_tagname(&piece))
            name = svg;
        break;
    }
    default:
        break;
    }
    return name;
}

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsVoid(const GumboNode* node)
{
    return IsHtml(node) && IsOneOf(LocalName(node), {"area", "base", "basefont", "bgsound", "br", "col", "embed",
                                                     "frame", "hr", "img", "input", "keygen", "link", "meta",
                                                     "param", "source", "track", "wbr"});
}

// Elements whose text the parser took literally, so it is written back unescaped.
bool HoldsRawText(const GumboNode* node)
{
    return IsHtml(node) &&
           IsOneOf(LocalName(node), {"style", "script", "xmp", "iframe", "noembed", "noframes", "plaintext"});
}

void AppendEscaped(std::string& out, const char* text, bool attribute)
{
    for (const char* p = text; *p; ++p) {
        switch (*p) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            if (attribute)
                out += "&quot;";
            else
                out += '"';
            break;
        case '\xC2':
            if (p[1] == '\xA0') {
                out += "&nbsp;";
                ++p;
            } else {
                out += *p;
            }
            break;
        default:
            out += *p;
        }
    }
}

void AppendStartTag(std::string& out, const GumboNode* node)
{
    out += '<';
    out += SerializedName(node);
    const GumboVector& attributes = node->v.element.attributes;
    for (unsigned i = 0; i < attributes.length; ++i) {
        const auto* attribute = static_cast<const GumboAttribute*>(attributes.data[i]);
        out += ' ';
        switch (attribute->attr_namespace) {
        case GUMBO_ATTR_NAMESPACE_XLINK:
            out += "xlink:";
            break;
        case GUMBO_ATTR_NAMESPACE_XML:
            out += "xml:";
            break;
        case GUMBO_ATTR_NAMESPACE_XMLNS:
            if (std::strcmp(attribute->name, "xmlns") != 0)
                out += "xmlns:";
            break;
        default:
            break;
        }
        for (const char* p = attribute->name; *p; ++p)
            out += LowerAscii(*p);
        out += "=\"";
        AppendEscaped(out, attribute->value, true);
        out += '"';
    }
    out += '>';
}

bool HasAttribute(const GumboNode* node, const char* name)
{
    return gumbo_get_attribute(&node->v.element.attributes, name) != nullptr;
}

// Collects the rendered text. Breaks that blocks require are kept pending
// and written only between two pieces of text, as the larger of the
// required counts, so none lead or trail the text.
class TTextBuilder {
public:
    void RequireBreaks(int count)
    {
        FPendingBreaks = std::max(FPendingBreaks, count);
        LineBoundary();
    }

    // The start or end of a line box (a table cell): white space at either
    // side of it is not rendered.
    void LineBoundary()
    {
        FPendingSpace = false;
        FAtLineStart = true;
    }

    void Literal(char c)
    {
        FlushBreaks();
        FOut += c;
        FPendingSpace = false;
        FAtLineStart = true;
    }

    void Text(const char* text, bool preserve)
    {
        for (const char* p = text; *p; ++p) {
            const char c = *p;
            if (preserve) {
                FlushBreaks();
                FOut += c;
                FAtLineStart = c == '\n';
                FPendingSpace = false;
            } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
                FPendingSpace = true;
            } else {
                FlushBreaks();
                if (FPendingSpace && !FAtLineStart)
                    FOut += ' ';
                FPendingSpace = false;
                FAtLineStart = false;
                FOut += c;
            }
        }
    }

    std::string Take() { return std::move(FOut); }

private:
    void FlushBreaks()
    {
        if (FPendingBreaks > 0 && !FOut.empty()) {
            FOut.append(static_cast<std::size_t>(FPendingBreaks), '\n');
            FPendingSpace = false;
            FAtLineStart = true;
        }
        FPendingBreaks = 0;
    }

    std::string FOut;
    int FPendingBreaks = 0;
    bool FPendingSpace = false;
    bool FAtLineStart = true;
};

enum class TDisplay { None, Inline, Block, Paragraph, Row, Cell, LineBreak };

TDisplay DisplayOf(const GumboNode* node, const std::string& name)
{
    if (node->v.element.tag_namespace != GUMBO_NAMESPACE_HTML)
        return TDisplay::Inline;
    if (HasAttribute(node, "hidden"))
        return TDisplay::None;
    if (IsOneOf(name, {"script", "style", "template", "head", "title", "meta", "link", "base", "basefont",
                       "datalist", "noembed", "noframes", "param", "rp", "area", "textarea", "iframe"}))
        return TDisplay::None;
    if (name == "dialog" && !HasAttribute(node, "open"))
        return TDisplay::None;
    if (name == "br")
        return TDisplay::LineBreak;
    if (name == "p")
        return TDisplay::Paragraph;
    if (name == "tr")
        return TDisplay::Row;
    if (name == "td" || name == "th")
        return TDisplay::Cell;
    if (IsOneOf(name, {"address", "article", "aside", "blockquote", "body", "caption", "center", "dd", "details",
                       "dialog", "dir", "div", "dl", "dt", "fieldset", "figcaption", "figure", "footer", "form",
                       "frameset", "h1", "h2", "h3", "h4", "h5", "h6", "header", "hgroup", "hr", "html",
                       "legend", "li", "listing", "main", "menu", "nav", "ol", "optgroup", "option",
                       "plaintext", "pre", "search", "section", "summary", "table", "ul", "xmp"}))
        return TDisplay::Block;
    return TDisplay::Inline;
}

bool KeepsWhiteSpace(const std::string& name)
{
    return IsOneOf(name, {"pre", "listing", "plaintext", "xmp"});
}

// The last element child among a parent's children that passes the test.
template <typename Test>
const GumboNode* LastChild(const GumboNode* parent, Test test)
{
    const GumboVector& children = parent->v.element.children;
    for (unsigned i = children.length; i-- > 0;) {
        const auto* child = static_cast<const GumboNode*>(children.data[i]);
        if (IsElement(child) && test(child))
            return child;
    }
    return nullptr;
}

bool IsHtmlNamed(const GumboNode* node, std::initializer_list<std::string_view> names)
{
    return IsHtml(node) && IsOneOf(LocalName(node), names);
}

// The last row of a table: its own rows, or those of its row groups.
const GumboNode* LastRow(const GumboNode* table)
{
    const GumboVector& children = table->v.element.children;
    for (unsigned i = children.length; i-- > 0;) {
        const auto* child = static_cast<const GumboNode*>(children.data[i]);
        if (!IsElement(child))
            continue;
        if (IsHtmlNamed(child, {"tr"}))
            return child;
        if (IsHtmlNamed(child, {"tbody", "thead", "tfoot"}))
            if (const GumboNode* row = LastChild(child, [](const GumboNode* n) { return IsHtmlNamed(n, {"tr"}); }))
                return row;
    }
    return nullptr;
}

} // namespace

std::string THTMLElement::TagName() const { return SerializedName(FNode); }

std::string THTMLElement::InnerHTML() const
{
    struct TFrame {
        const GumboNode* Node;
        unsigned Next;
    };
    std::string out;
    std::vector<TFrame> stack{{FNode, 0}};
    while (!stack.empty()) {
        const GumboNode* parent = stack.back().Node;
        const GumboVector& children = parent->v.element.children;
        if (stack.back().Next >= children.length) {
            stack.pop_back();
            if (!stack.empty()) {
                out += "</";
                out += SerializedName(parent);
                out += '>';
            }
            continue;
        }
        const auto* child = static_cast<const GumboNode*>(children.data[stack.back().Next++]);
        switch (child->type) {
        case GUMBO_NODE_ELEMENT:
        case GUMBO_NODE_TEMPLATE:
            AppendStartTag(out, child);
            if (!IsVoid(child))
                stack.push_back({child, 0});
            break;
        case GUMBO_NODE_TEXT:
        case GUMBO_NODE_WHITESPACE:
            if (HoldsRawText(parent))
                out += child->v.text.text;
            else
                AppendEscaped(out, child->v.text.text, false);
            break;
        case GUMBO_NODE_CDATA:
            out += "<![CDATA[";
            out += child->v.text.text;
            out += "]]>";
            break;
        case GUMBO_NODE_COMMENT:
            out += "<!--";
            out += child->v.text.text;
            out += "-->";
            break;
        case GUMBO_NODE_DOCUMENT:
            break;
        }
    }
    return out;
}

std::string THTMLElement::InnerText() const
{
    struct TFrame {
        const GumboNode* Node;
        unsigned Next;
        TDisplay Display;
        bool Preserve;
        const GumboNode* LastInside; // the last row of a table, the last cell of a row
    };
    TTextBuilder text;
    std::vector<TFrame> stack{{FNode, 0, TDisplay::Block, false, nullptr}};
    std::vector<const GumboNode*> lastRows; // of the enclosing tables, innermost last
    while (!stack.empty()) {
        TFrame& frame = stack.back();
        const GumboVector& children = frame.Node->v.element.children;
        if (frame.Next >= children.length) {
            const TFrame done = frame;
            stack.pop_back();
            if (stack.empty())
                break;
            if (IsHtmlNamed(done.Node, {"table"}))
                lastRows.pop_back();
            switch (done.Display) {
            case TDisplay::Block:
                text.RequireBreaks(1);
                break;
            case TDisplay::Paragraph:
                text.RequireBreaks(2);
                break;
            case TDisplay::Row:
                text.LineBoundary();
                if (lastRows.empty() || lastRows.back() != done.Node)
                    text.Literal('\n');
                break;
            case TDisplay::Cell:
                text.LineBoundary();
                if (stack.back().Display == TDisplay::Row && stack.back().LastInside != done.Node)
                    text.Literal('\t');
                break;
            default:
                break;
            }
            continue;
        }
        const auto* child = static_cast<const GumboNode*>(children.data[frame.Next++]);
        const bool preserve = frame.Preserve;
        if (child->type == GUMBO_NODE_TEXT || child->type == GUMBO_NODE_WHITESPACE ||
            child->type == GUMBO_NODE_CDATA) {
            text.Text(child->v.text.text, preserve);
            continue;
        }
        if (!IsElement(child))
            continue;
        const std::string name = IsHtml(child) ? LocalName(child) : std::string();
        const TDisplay display = DisplayOf(child, name);
        const GumboNode* lastInside = nullptr;
        switch (display) {
        case TDisplay::None:
            continue;
        case TDisplay::LineBreak:
            text.Literal('\n');
            continue;
        case TDisplay::Block:
            text.RequireBreaks(1);
            break;
        case TDisplay::Paragraph:
            text.RequireBreaks(2);
            break;
        case TDisplay::Row:
            text.LineBoundary();
            lastInside = LastChild(child, [](const GumboNode* n) { return IsHtmlNamed(n, {"td", "th"}); });
            break;
        case TDisplay::Cell:
            text.LineBoundary();
            break;
        default:
            break;
        }
        if (name == "table")
            lastRows.push_back(LastRow(child));
        stack.push_back({child, 0, display, preserve || KeepsWhiteSpace(name), lastInside});
    }
    return text.Take();
}
