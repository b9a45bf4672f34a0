#include "JsonText.h"

#include "vrml/VrmlString.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace norvane {

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    const std::string mended = escapeVrmlString(text);
    for (const char c : mended)
        c == '\t' ? out.append("\\t") : out.append(1, c);
    out += '"';
}

namespace {

// JSON has no infinities or NaN: they are written as the largest finite value of their sign, and
// 0 (which also has no "-0").
template <typename Number> char* writeShortest(char* out, Number value) {
    if (std::isnan(value) || value == 0)
        value = 0;
    else if (std::isinf(value))
        value = std::copysign(std::numeric_limits<Number>::max(), value);
    return std::to_chars(out, out + 32, value).ptr;
}

template <typename Number> void appendShortest(std::string& out, Number value) {
    char text[32];
    out.append(text, writeShortest(text, value));
}

} // namespace

void appendJsonNumber(std::string& out, double value) {
    appendShortest(out, value);
}

char* writeJsonNumber(char* out, float value) {
    return writeShortest(out, value);
}

void appendJsonNumber(std::string& out, float value) {
    appendShortest(out, value);
}

} // namespace norvane
