#pragma once

#include "MapPoint.h"
#include "PixelRun.h"

#include <span>
#include <vector>

namespace norvane {

// Appends the pixel runs that a filled convex polygon (corners in map units, in order around it)
// covers on a surface `width` by `height` pixels showing the whole map. Its rows run from the edge
// nearest its top to the one before the edge nearest its bottom; in each, the columns run from the
// edge nearest the leftmost point of the polygon within the row to the one before the edge
// nearest its rightmost point. Rows and columns are at least one pixel, so a thin polygon still
// shows without gaps, and an axis-aligned rectangle covers exactly the pixelSpans of its
// corners. Pixels off the surface are left out.
void polygonRuns(std::span<const MapPoint> corners, int width, int height,
                 std::vector<PixelRun>& runs);

} // namespace norvane
