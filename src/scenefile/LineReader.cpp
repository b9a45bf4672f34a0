#include "LineReader.h"

#include <algorithm>

namespace norvane {

namespace {

std::string_view withoutFinalCr(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace

std::optional<std::string_view> LineReader::next() {
    if (m_rest.empty())
        return std::nullopt;
    const std::size_t lf = m_rest.find('\n');
    std::string_view line = m_rest.substr(0, lf);
    m_rest.remove_prefix(lf == std::string_view::npos ? m_rest.size() : lf + 1);
    return withoutFinalCr(line);
}

std::string_view LineReader::withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    // All of a repeated mark, so that no first kind read ever starts with one and a scene
    // written back reads the same.
    while (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    return text;
}

std::size_t LineReader::countLines(std::string_view text) {
    text = withoutByteOrderMark(text);
    const auto lineEnds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    const bool unfinishedLast = !text.empty() && text.back() != '\n';
    return lineEnds + (unfinishedLast ? 1 : 0);
}

} // namespace norvane
