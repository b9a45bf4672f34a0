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

// The 1-based row of the object that holds 1-based line `line` of a scene file.
std::size_t rowOfLine(std::size_t line);

// "line 21, row 4: <message>": a problem as one line that names both places.
std::string describeProblem(const Problem& problem);

// Every problem of a scene file text, in line order: unknown object kinds (whose X, Y and
// orientation must still be numbers, as export writes them), coordinates and orientations that
// are not numbers, are longer than kLongestNumberText or lie beyond the range of a float (any
// such angle is an orientation), area corners in the wrong order, and an incomplete object at
// the end. Lines are split as readSceneText splits them. Never throws Error.
std::vector<Problem> checkSceneText(std::string_view text);

} // namespace norvane
