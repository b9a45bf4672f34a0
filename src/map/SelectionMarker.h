#pragma once

#include "MapRect.h"

#include "scene/SceneObject.h"

#include <optional>

namespace norvane {

// The selection marker around `object` on a map surface of the given outer size in twips.
// An area object is framed by its own rectangle; any other row gets a 200-twip square whose
// top-left corner lies 95 twips left of and above its point. Returns nothing when the row's
// coordinates are not numbers (the marker is then hidden).
std::optional<MapRect> selectionMarker(const SceneRow& object, int surfaceWidthTwips,
                                       int surfaceHeightTwips);

} // namespace norvane
