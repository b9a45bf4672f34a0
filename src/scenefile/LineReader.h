#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace norvane {

// Splits a scene file's text into its values, one per line, without copying.
// A line ends at LF; one CR just before the LF (or at the very end) is dropped; an empty line is
// an empty value; text after the last LF is a final value. UTF-8 byte order marks at the very
// start are not part of the first value. The text must outlive the reader.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_rest(withoutByteOrderMark(text)) {}

    // The next value, or nothing when the text is used up.
    std::optional<std::string_view> next();

    // How many values `text` holds, counted the same way as next() returns them.
    static std::size_t countLines(std::string_view text);

    // `text` without the UTF-8 byte order marks at its start.
    static std::string_view withoutByteOrderMark(std::string_view text);

private:
    std::string_view m_rest;
};

} // namespace norvane
