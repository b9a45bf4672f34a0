#include "RowNumbers.h"

#include "scene/Error.h"
#include "scene/NumberText.h"
#include "scene/RowFields.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace norvane {

namespace {

// A column of an object: its place among the six lines and its name for a message.
struct Column {
    std::size_t line; // 0 for the kind, 1 for List3, ..., 5 for List7
    std::string_view name;
};

constexpr std::size_t kLinesPerRow = 6;

Error columnError(std::size_t row, Column column, std::string_view fault) {
    const std::size_t line = row * kLinesPerRow + column.line + 1;
    return Error("Row " + std::to_string(row + 1) + " (line " + std::to_string(line) +
                 "), column " + std::string(column.name) + " " + std::string(fault) + ".");
}

// The number in `text`, which must be short, a number and within the range of a float.
double number(std::string_view text, std::size_t row, Column column) {
    const NumberReading reading = readNumberText(text);
    if (reading.fault != NumberFault::None)
        throw columnError(row, column, faultWords(reading.fault));
    return reading.value;
}

} // namespace

PointPlace readPointPlace(const SceneRow& object, std::size_t row) {
    const PointFields fields = pointFields(object);
    const PointPlace place{number(fields.x, row, {1, "List3 (X)"}),
                           number(fields.y, row, {2, "List4 (Y)"})};
    number(fields.orientation, row, {3, "List5 (orientation)"});
    return place;
}

AreaRect readAreaRect(const SceneRow& object, std::size_t row) {
    const AreaFields fields = areaFields(object);
    const double x1 = number(fields.x1, row, {1, "List3 (X1)"});
    const double y1 = number(fields.y1, row, {2, "List4 (Y1)"});
    const double x2 = number(fields.x2, row, {3, "List5 (X2)"});
    const double y2 = number(fields.y2, row, {4, "List6 (Y2)"});
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

} // namespace norvane
