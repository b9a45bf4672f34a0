#include "TextHalves.h"

#include "LineReader.h"
#include "SceneFile.h"

namespace norvane {

TextHalves cutAtObjectNearMiddle(std::string_view text) {
    constexpr std::size_t kCutAbove = 1024 * 1024;
    const TextHalves whole{text, {}, 0};
    if (text.size() < kCutAbove)
        return whole;
    std::size_t at = text.find('\n', text.size() / 2);
    std::size_t lines = LineReader::countLines(text.substr(0, at + 1));
    while (at != std::string_view::npos && lines % kLinesPerObject != 0) {
        at = text.find('\n', at + 1);
        ++lines;
    }
    if (at == std::string_view::npos || at + 1 >= text.size())
        return whole;
    const std::string_view second = text.substr(at + 1);
    if (LineReader::withoutByteOrderMark(second).size() != second.size())
        return whole;
    return {text.substr(0, at + 1), second, lines};
}

} // namespace norvane
