#include "ObjectMove.h"

#include "MapNumber.h"

#include "scene/Catalogue.h"
#include "scene/NumberText.h"

#include <array>
#include <string>

namespace norvane {

namespace {

// Adds the offset to each coordinate text (X by offset.x, Y by offset.y, in turn), written with
// `form`; false, changing nothing, when one of them is not a number.
bool shift(const CoordinateTexts& coordinates, MapPoint offset, std::string (*form)(float)) {
    std::array<float, 4> values{};
    for (std::size_t i = 0; i < coordinates.count; ++i) {
        const auto value = mapNumber(*coordinates.texts[i]);
        if (!value)
            return false;
        values[i] = *value + (i % 2 == 0 ? offset.x : offset.y);
    }
    for (std::size_t i = 0; i < coordinates.count; ++i)
        *coordinates.texts[i] = form(values[i]);
    return true;
}

} // namespace

std::optional<SceneObject> movedBy(const SceneObject& row, MapPoint offset) {
    SceneObject moved = row;
    if (!shift(coordinateTexts(moved), offset, isAreaKind(row.kind) ? plainForm : pointForm))
        return std::nullopt;
    return moved;
}

std::optional<MapPoint> offsetBetween(const SceneObject& from, const SceneObject& to) {
    SceneObject a = from, b = to;
    const CoordinateTexts was = coordinateTexts(a), now = coordinateTexts(b);
    const auto x0 = mapNumber(*was.texts[0]), y0 = mapNumber(*was.texts[1]);
    const auto x1 = mapNumber(*now.texts[0]), y1 = mapNumber(*now.texts[1]);
    if (!x0 || !y0 || !x1 || !y1)
        return std::nullopt;
    return MapPoint{*x1 - *x0, *y1 - *y0};
}

} // namespace norvane
