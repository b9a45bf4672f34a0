#include "RowNumbers.h"

#include "scene/Error.h"
#include "scene/NumberText.h"

#include <optional>
#include <string>
#include <string_view>

namespace norvane {

namespace {

Error columnError(std::size_t row, std::string_view column, std::string_view fault) {
    return Error("Row " + std::to_string(row + 1) + ", column " + std::string(column) + " " +
                 std::string(fault));
}

// The coordinate in `text`; `column` names the column for the error, e.g. "List4 (Y)".
double coordinate(std::string_view text, std::size_t row, std::string_view column) {
    const std::optional<double> value = parseNumber(text);
    if (value && inCoordinateRange(*value))
        return *value;
    throw columnError(row, column, value ? "is out of range." : "is not a number.");
}

} // namespace

PointPlace readPointPlace(const SceneObject& object, std::size_t row) {
    const PointPlace place{coordinate(object.list3, row, "List3 (X)"),
                           coordinate(object.list4, row, "List4 (Y)")};
    if (!parseNumber(object.list5))
        throw columnError(row, "List5 (orientation)", "is not a number.");
    return place;
}

AreaRect readAreaRect(const SceneObject& object, std::size_t row) {
    return {
        coordinate(object.list3, row, "List3 (X1)"), coordinate(object.list4, row, "List4 (Y1)"),
        coordinate(object.list5, row, "List5 (X2)"), coordinate(object.list6, row, "List6 (Y2)")};
}

} // namespace norvane
