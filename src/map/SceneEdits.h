#pragma once

#include "scene/Scene.h"
#include "scene/SceneObject.h"

#include <cstddef>

namespace norvane {

// The scene changes of the map editor, each one small operation on the scene.

// Appends `object` as the last row and selects it; returns its index.
std::size_t placeObject(Scene& scene, SceneObject object);

// Removes the selected row, then selects the row that took its place, or the new last row when
// the removed row was the last (-1 once the scene is empty). Returns false, changing nothing,
// when no row is selected.
bool removeSelected(Scene& scene);

} // namespace norvane
