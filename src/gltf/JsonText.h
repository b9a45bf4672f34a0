#pragma once

#include <string>
#include <string_view>

namespace norvane {

// Appends `text` as a JSON string literal: invalid UTF-8 mended as U+FFFD, quotes and
// backslashes escaped, tabs as \t and other control characters dropped, as the worlds drop them.
void appendJsonString(std::string& out, std::string_view text);

// Appends the shortest text that reads back as `value`; infinities as the largest finite value
// of their sign, NaN and -0 as 0.
void appendJsonNumber(std::string& out, double value);
void appendJsonNumber(std::string& out, float value);
// Writes the float's text at `out`, which has room for 32 bytes; returns its end.
char* writeJsonNumber(char* out, float value);

} // namespace norvane
