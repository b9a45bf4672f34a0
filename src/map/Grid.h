#pragma once

#include "Canvas.h"
#include "MapRect.h"
#include "Rgb.h"

namespace norvane {

// The editor's map grid: lines every metre when they lie at least kGridMinPixels apart on the
// screen, otherwise every ten metres. Every tenth line is drawn darker.
inline constexpr float kGridFineStep = 1.0f;
inline constexpr float kGridCoarseStep = 10.0f;
inline constexpr double kGridMinPixels = 8.0;
inline constexpr Rgb kGridLine{0, 172, 0};
inline constexpr Rgb kGridTenMetreLine{0, 140, 0};

// The distance between grid lines, in map units, for a surface of `surfacePixels` square.
float gridStep(int surfacePixels);

// Draws the grid lines of `step` map units that cross `region`, one pixel wide, clipped to the
// map (0..100 both ways).
void drawGrid(Canvas& canvas, float step, const MapRect& region);

} // namespace norvane
