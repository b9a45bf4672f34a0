#pragma once

#include "Catalogue.h"
#include "SceneObject.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace norvane {

// A point object's row by meaning. The views stay valid as long as the row they come from.
struct PointFields {
    std::string_view x;           // point form
    std::string_view y;           // point form
    std::string_view orientation; // radians about the vertical axis: "0", "3.14", "1.57", "-1.57"
    std::string_view anchor;      // the hyperlink, "" for none
    std::string_view text;        // what the two text kinds show, "" for every other kind
};

// An area object's row by meaning: its corners (plain form) and its hyperlink ("" for none).
struct AreaFields {
    std::string_view x1;
    std::string_view y1;
    std::string_view x2;
    std::string_view y2;
    std::string_view anchor;
};

// The row read as a point object's or an area object's, whatever its kind says; callers choose
// by the kind (isAreaKind) first.
inline PointFields pointFields(const SceneRow& row) {
    return {row.list3, row.list4, row.list5, row.list6, row.list7};
}
inline AreaFields areaFields(const SceneRow& row) {
    return {row.list3, row.list4, row.list5, row.list6, row.list7};
}

// The coordinate texts of an owned object, to change in place: X and Y of a point kind, X1, Y1,
// X2 and Y2 of an area kind, in that order; `count` of `texts` are used.
struct CoordinateTexts {
    std::array<std::string*, 4> texts{};
    std::size_t count = 0;
};
inline CoordinateTexts coordinateTexts(SceneObject& object) {
    if (isAreaKind(object.kind))
        return {{&object.list3, &object.list4, &object.list5, &object.list6}, 4};
    return {{&object.list3, &object.list4, nullptr, nullptr}, 2};
}

// The text of an owned object that holds its hyperlink, to change in place: the one that
// pointFields or areaFields reads as `anchor`.
inline std::string& anchorUrlText(SceneObject& object) {
    return isAreaKind(object.kind) ? object.list7 : object.list6;
}

} // namespace norvane
