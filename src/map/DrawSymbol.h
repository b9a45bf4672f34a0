#pragma once

#include "Canvas.h"
#include "MapSymbols.h"

#include "scene/SceneObject.h"

namespace norvane {

// Draws the map symbol of `row` in `figure` of `symbol` with one canvas call (after setting the
// fill for a disc); draws nothing when a coordinate it needs is not a number. Leaves the pen
// width to the caller.
void drawSymbol(const SceneObject& row, const MapSymbol& symbol, const Figure& figure,
                Canvas& canvas);

} // namespace norvane
