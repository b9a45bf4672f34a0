#pragma once

// Builders of the object texts the tests expect, line by line, so that cases read as VRML.

#include "TextDiff.h"
#include "vrml/ModelLibrary.h"

#include <string>
#include <string_view>

namespace norvane::test {

inline std::string anchorOpening(std::string_view urlLine, std::string_view target = "") {
    return crlf({"Anchor {", urlLine}) + std::string(target) + crlf({"children ["});
}

inline std::string pointHeader(std::string_view translation, std::string_view rotation) {
    return crlf({"Transform {", translation, rotation, "children ["});
}

inline std::string definition(std::string_view model, std::size_t entry) {
    return crlf({"DEF " + std::string(model) + " Group {", "children ["}) +
           std::string(modelBody(entry)) + crlf({"", "]", "}"});
}

inline std::string reuse(std::string_view model) {
    return crlf({"Group {", "children USE " + std::string(model), "}"});
}

inline std::string closePair() {
    return crlf({"]", "}"});
}

} // namespace norvane::test
