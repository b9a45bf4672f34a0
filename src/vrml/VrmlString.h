#pragma once

#include <string>
#include <string_view>

namespace norvane {

// The text as the inside of a VRML string literal of a utf8 world: '"' becomes \" and '\'
// becomes \\, each invalid UTF-8 sequence becomes U+FFFD, and control characters other than tab
// (C0, DEL, C1) are dropped. Valid UTF-8 text without any of these comes back unchanged.
std::string escapeVrmlString(std::string_view text);

// The text a world shows of `text`: escapeVrmlString's characters, unescaped.
std::string shownVrmlText(std::string_view text);

// Appends escapeVrmlString(text) to `out` without building a temporary string.
void appendEscapedVrmlString(std::string& out, std::string_view text);

} // namespace norvane
