#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// One fault found in a scene file: its 1-based line number and a one-line description.
struct Problem {
    std::size_t line;
    std::string message;

    friend bool operator==(const Problem&, const Problem&) = default;
};

// Every problem of a scene file text, in line order: unknown object kinds, coordinates that are
// not numbers or lie beyond the range of a float, orientation codes other than the four, area
// corners in the wrong order, and an incomplete object at the end. Lines are split as readSceneText
// splits them. Never throws Error.
std::vector<Problem> checkSceneText(std::string_view text);

} // namespace norvane
