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
    const auto at = mapPlace(pointFields(row));
    if (!at)
        return std::nullopt;
    return movedBy(row, {std::round(at->x) - at->x, std::round(at->y) - at->y});
}

} // namespace norvane
