#pragma once

#include <string>
#include <string_view>

namespace norvane {

// Appends `text` for the inside of an XML attribute delimited by single quotes: '&', '<', '>',
// '\'' and '"' as entities, tab as a character reference (attribute values turn a plain tab into
// a space).
void appendXmlAttributeText(std::string& out, std::string_view text);

// ` name='value'` for a value of the program's own data (numbers, names), which needs no escaping;
// "" for an empty value, so that a field the data leaves out is not written.
std::string xmlAttribute(std::string_view name, std::string_view value);

// Appends a user text as one X3D MFString element inside an attribute: the text escaped as a
// VRML string (escapeVrmlString: invalid UTF-8 and control characters mended), between double
// quotes, then escaped for the attribute.
void appendXmlMfString(std::string& out, std::string_view text);

} // namespace norvane
