#include "SingleLine.h"

#include <algorithm>

namespace norvane {

namespace {

constexpr std::string_view kLineBreaks = "\r\n";

} // namespace

std::string singleLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(kLineBreaks);
        if (start == std::string_view::npos)
            break;
        if (start > 0 && !line.empty())
            line += ' ';
        text.remove_prefix(start);
        const std::size_t end = std::min(text.find_first_of(kLineBreaks), text.size());
        line.append(text.substr(0, end));
        text.remove_prefix(end);
    }
    return line;
}

} // namespace norvane
