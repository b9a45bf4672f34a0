#include "VrmlString.h"

namespace norvane {

void appendEscapedVrmlString(std::string& out, std::string_view text) {
    std::size_t start = 0;
    for (std::size_t at = text.find_first_of("\"\\"); at != std::string_view::npos;
         at = text.find_first_of("\"\\", at + 1)) {
        out.append(text, start, at - start);
        out += '\\';
        out += text[at];
        start = at + 1;
    }
    out.append(text, start);
}

std::string escapeVrmlString(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendEscapedVrmlString(out, text);
    return out;
}

} // namespace norvane
