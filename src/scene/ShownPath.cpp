#include "ShownPath.h"

#include <algorithm>
#include <array>

namespace norvane {

namespace {

bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7f;
}

struct NamedEscape {
    char byte;
    std::string_view text;
};

constexpr std::array<NamedEscape, 4> kNamedEscapes{
    {{'\n', "\\n"}, {'\r', "\\r"}, {'\t', "\\t"}, {'\\', "\\\\"}}};

void appendEscaped(std::string& out, char c) {
    for (const NamedEscape& named : kNamedEscapes)
        if (named.byte == c) {
            out += named.text;
            return;
        }
    if (!isControl(c)) {
        out += c;
        return;
    }
    constexpr std::string_view kHex = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(c);
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xf];
}

} // namespace

std::string shownPath(std::string_view path) {
    if (std::none_of(path.begin(), path.end(), isControl))
        return std::string(path);
    std::string out;
    out.reserve(path.size() + 8);
    for (const char c : path)
        appendEscaped(out, c);
    return out;
}

} // namespace norvane
