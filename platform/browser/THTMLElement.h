#pragma once

#include <string>

struct GumboInternalNode;

/// An element of a parsed page, as the component reads it. It refers into
/// its THTMLDocument and lives as long as that document.
class THTMLElement {
public:
    explicit THTMLElement(const GumboInternalNode* node) : FNode(node) {}

    /// The element name in upper case ("BODY").
    std::string TagName() const;

    /// The element's content serialized: HTML element names in upper case,
    /// attribute names in lower case and in source order, attribute values
    /// in double quotes, text escaped, void elements without an end tag.
    std::string InnerHTML() const;

    /// The element's text without markup: white space collapsed, a line
    /// break around block elements (two around paragraphs), one for <br>
    /// and between table rows, a tab between table cells; script, style,
    /// hidden elements and form-control contents left out.
    std::string InnerText() const;

private:
    const GumboInternalNode* FNode;
};
