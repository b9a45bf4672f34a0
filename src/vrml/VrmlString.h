#pragma once

#include <string>
#include <string_view>

namespace norvane {

// The text as the inside of a VRML string literal: '"' becomes \" and '\' becomes \\.
// Every other byte is kept, so a text without either character comes back unchanged.
std::string escapeVrmlString(std::string_view text);

// Appends escapeVrmlString(text) to `out` without building a temporary string.
void appendEscapedVrmlString(std::string& out, std::string_view text);

} // namespace norvane
