#pragma once

#include <string>
#include <string_view>

namespace norvane {

// A one-line text drawn in white on a transparent picture, for a textured quad: the PNG and the
// quad's extent in ems (the text's font size), its width and how far it reaches above the
// baseline (ascent) and below it (descent, negative).
struct TextPicture {
    std::string png;
    double width = 0;
    double ascent = 0;
    double descent = 0;
};

// `utf8` in the worlds' serif font (invalid sequences as U+FFFD, control characters left out),
// at most 4096 pixels wide. Throws Error when the font cannot be read.
TextPicture textPicture(std::string_view utf8);

} // namespace norvane
