#pragma once

#include <cstddef>
#include <string_view>

namespace norvane {

// A scene file text (without its byte order marks) cut in two where an object starts, so that
// two threads can each read one half.
struct TextHalves {
    std::string_view first;
    std::string_view second;    // "" when the text was not cut
    std::size_t firstLines = 0; // lines in `first`, a whole number of objects
    std::size_t lines = 0;      // lines in the whole text, as LineReader::countLines counts
};

// Cuts after the line that ends the first object past the middle of a text of 1 MB or more.
// A smaller text, one whose second half would hold no line and one whose second half would start
// with what a reader takes for a byte order mark stay whole (in `first`). Big texts have their
// lines counted on two threads.
TextHalves cutAtObjectNearMiddle(std::string_view text);

} // namespace norvane
