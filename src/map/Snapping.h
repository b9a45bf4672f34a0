#pragma once

#include "MapPoint.h"

#include "scene/SceneObject.h"

#include <optional>

namespace norvane {

// Snapping to the grid: placements, area corners and moves land on whole metres.

// Whether a gesture snaps: the Snap to Grid setting, inverted while Alt is held.
constexpr bool snapsNow(bool snapToGrid, bool altHeld) {
    return snapToGrid != altHeld;
}

// `at` on the nearest whole metres when `snap`, else unchanged.
MapPoint snapped(MapPoint at, bool snap);

// `row` shifted so that its point (an area: its first corner) lies on whole metres, in the forms
// the row keeps; nothing when its coordinates are not numbers.
std::optional<SceneObject> snappedObject(const SceneObject& row);

} // namespace norvane
