#pragma once

#include "platform/Component.h"

#include <memory>
#include <string>

/// Writes a component as form-resource text:
///
///     object QParser1: TQParser
///       Precision = 4
///       X = '2,5'
///     end
///
/// Only stored properties whose values differ from their defaults appear.
std::string WriteComponentText(const TComponent& component);

/// Creates a component from form-resource text: the class named in the object
/// line, taken from the palette, with the properties the text sets. Malformed
/// text, an unknown class or property, or a value of the wrong kind raises
/// EReadError with a message that begins "Line N:"; nothing is left behind.
std::unique_ptr<TComponent> ReadComponentText(const std::string& text);

/// Quotes a text the way form-resource text writes it: in single quotes with
/// '' for a quote, control characters as #N between the quoted runs.
std::string QuoteFormString(const std::string& text);
