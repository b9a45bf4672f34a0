#pragma once

#include "Canvas.h"
#include "MapRect.h"
#include "Rgb.h"

#include "scene/Scene.h"

namespace norvane {

inline constexpr Rgb kMapBackground{0, 192, 0};
inline constexpr Rgb kStartMarkerOutline{50, 50, 150};
inline constexpr Rgb kStartMarkerFill{150, 150, 255};

// Paints the whole map from the scene: the green background, the ground kinds (Street,
// Sidewalk, Floor/Ceiling) in scene order, every other object in scene order, then the start
// marker. Rows of unknown kinds, two-figure kinds with another code, or coordinates that are not
// numbers draw nothing; everything else is still drawn. Keeps no state.
void Render2D(const Scene& scene, Canvas& canvas);

// Paints the map within `region` only: the background there, then every row whose symbol
// reaches into it, in the order Render2D uses. The caller clips the canvas to the region, so
// the pixels there are those Render2D paints.
void Render2DRegion(const Scene& scene, Canvas& canvas, const MapRect& region);

// False for a row Render2D draws nothing for: an unknown kind, a two-figure kind with another
// code, or a coordinate it needs that is not a number.
bool drawsRow(const SceneRow& row);

// Fills the map with the background colour alone (no objects, no start marker).
void paintBackground(Canvas& canvas);

} // namespace norvane
