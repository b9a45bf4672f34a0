#include "JsonText.h"

#include "vrml/VrmlString.h"

#include <charconv>

namespace norvane {

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    const std::string mended = escapeVrmlString(text);
    for (const char c : mended)
        c == '\t' ? out.append("\\t") : out.append(1, c);
    out += '"';
}

namespace {

template <typename Number> void appendShortest(std::string& out, Number value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    out.append(text, end);
}

} // namespace

void appendJsonNumber(std::string& out, double value) {
    appendShortest(out, value == 0.0 ? 0.0 : value); // no "-0"
}

void appendJsonNumber(std::string& out, float value) {
    appendShortest(out, value == 0.0f ? 0.0f : value);
}

} // namespace norvane
