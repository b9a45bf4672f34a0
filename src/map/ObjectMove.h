#pragma once

#include "MapPoint.h"

#include "scene/SceneObject.h"

#include <optional>

namespace norvane {

// `row` moved by `offset` map units: a point kind's X and Y in point form, an area kind's two
// corners by the same offset in plain form; the other values are kept. Returns nothing when a
// coordinate to move is not a number.
std::optional<SceneObject> movedBy(const SceneObject& row, MapPoint offset);

// How far `to` lies from `from` by their first X and Y; nothing when one is not a number.
std::optional<MapPoint> offsetBetween(const SceneObject& from, const SceneObject& to);

} // namespace norvane
