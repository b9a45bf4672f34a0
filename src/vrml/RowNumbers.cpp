#include "RowNumbers.h"

#include "scene/Error.h"
#include "scene/NumberText.h"

#include <string>
#include <string_view>

namespace norvane {

namespace {

// The number in `text`; `column` names the column for the error, e.g. "List4 (Y)".
double columnNumber(std::string_view text, std::size_t row, std::string_view column) {
    if (const auto value = parseNumber(text))
        return *value;
    throw Error("Row " + std::to_string(row + 1) + ", column " + std::string(column) +
                " is not a number.");
}

} // namespace

PointPlace readPointPlace(const SceneObject& object, std::size_t row) {
    const PointPlace place{columnNumber(object.list3, row, "List3 (X)"),
                           columnNumber(object.list4, row, "List4 (Y)")};
    columnNumber(object.list5, row, "List5 (orientation)");
    return place;
}

AreaRect readAreaRect(const SceneObject& object, std::size_t row) {
    return {columnNumber(object.list3, row, "List3 (X1)"),
            columnNumber(object.list4, row, "List4 (Y1)"),
            columnNumber(object.list5, row, "List5 (X2)"),
            columnNumber(object.list6, row, "List6 (Y2)")};
}

} // namespace norvane
