#include "TextHalves.h"

#include "LineReader.h"
#include "SceneFile.h"

#include <algorithm>
#include <thread>

namespace norvane {

namespace {

constexpr std::size_t kCutAbove = 1024 * 1024;

std::size_t lineFeeds(std::string_view text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

TextHalves cutAtObjectNearMiddle(std::string_view text) {
    if (text.size() < kCutAbove)
        return {text, {}, 0, LineReader::countLines(text)};
    // The line feeds before and after the middle are counted at the same time.
    const std::size_t middle = text.size() / 2;
    std::size_t feedsAfter = 0;
    std::thread counter([&] { feedsAfter = lineFeeds(text.substr(middle)); });
    const std::size_t feedsBefore = lineFeeds(text.substr(0, middle));
    counter.join();
    const std::size_t lines = feedsBefore + feedsAfter + (text.back() != '\n' ? 1 : 0);
    const TextHalves whole{text, {}, 0, lines};
    std::size_t at = text.find('\n', middle);
    std::size_t firstLines = feedsBefore + 1; // up to and including the feed at `at`
    while (at != std::string_view::npos && firstLines % kLinesPerObject != 0) {
        at = text.find('\n', at + 1);
        ++firstLines;
    }
    if (at == std::string_view::npos || at + 1 >= text.size())
        return whole;
    const std::string_view second = text.substr(at + 1);
    if (LineReader::withoutByteOrderMark(second).size() != second.size())
        return whole;
    return {text.substr(0, at + 1), second, firstLines, lines};
}

} // namespace norvane
