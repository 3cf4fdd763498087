#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Character sets of loaded pages. Every page is turned into UTF-8 before it
// is parsed, so the document and the texts read from it are always UTF-8.

/// The character set a byte-order mark at the start of the bytes names
/// ("UTF-8", "UTF-16LE" or "UTF-16BE"), or empty; bomLength receives the
/// length of the mark.
std::string CharsetFromBom(std::string_view bytes, std::size_t& bomLength);

/// The charset parameter of a Content-Type header value, or empty.
std::string CharsetFromContentType(std::string_view contentType);

/// The charset that a meta element declares within the first 1024 bytes of
/// the page (charset attribute, or http-equiv Content-Type), or empty.
std::string CharsetFromMeta(std::string_view bytes);

/// The name under which the converter knows a charset label, or empty when
/// the label names no charset it can decode. Labels of the Latin-1 family
/// mean windows-1252, as browsers read them.
std::string CanonicalCharset(std::string_view label);

/// Replaces every invalid UTF-8 sequence by U+FFFD.
std::string ValidUtf8(std::string_view bytes);

/// Decodes a page to UTF-8. The charset is taken from a byte-order mark,
/// else from the HTTP header's charset, else from a meta element, else
/// UTF-8 is assumed; bytes invalid in that charset become U+FFFD.
std::string DecodePageText(std::string_view bytes, std::string_view headerCharset);
