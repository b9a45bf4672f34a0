#include "Snapping.h"

#include "MapNumber.h"
#include "ObjectMove.h"

#include <cmath>

namespace norvane {

MapPoint snapped(MapPoint at, bool snap) {
    if (!snap)
        return at;
    return {std::round(at.x), std::round(at.y)};
}

std::optional<SceneObject> snappedObject(const SceneObject& row) {
    const auto x = mapNumber(row.list3), y = mapNumber(row.list4);
    if (!x || !y)
        return std::nullopt;
    return movedBy(row, {std::round(*x) - *x, std::round(*y) - *y});
}

} // namespace norvane
