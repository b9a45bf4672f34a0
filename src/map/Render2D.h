#pragma once

#include "Canvas.h"
#include "MapRect.h"
#include "Rgb.h"

#include "scene/Scene.h"

#include <cstddef>
#include <vector>

namespace norvane {

inline constexpr Rgb kMapBackground{0, 192, 0};
inline constexpr Rgb kStartMarkerOutline{50, 50, 150};
inline constexpr Rgb kStartMarkerFill{150, 150, 255};

// Paints the whole map from the scene: the green background, the ground kinds (Street,
// Sidewalk, Floor/Ceiling) in scene order, every other object in scene order, then the start
// marker; figures are turned by their orientation (figureFor). Rows of unknown kinds, two-figure
// kinds whose orientation is no number, or coordinates that are not numbers draw nothing;
// everything else is still drawn. Keeps no state. A `gridStep` above 0 draws the editor's grid
// (Grid.h) over the background, under every object.
void Render2D(const Scene& scene, Canvas& canvas, float gridStep = 0.0f);

// Paints what Render2D paints on a surface `widthPixels` by `heightPixels`, leaving out the rows
// whose symbols lie off it or under rectangles and turned boxes drawn later, so the pixels are the
// same provided the canvas fills a rectangle exactly over the pixelSpan of its corners, a turned
// box over its polygonRuns, and draws circles and lines within their pen-widened bounds.
// Rectangles and turned boxes come with the pixels of them that show (Canvas::fillRectShowing,
// fillPolygonShowing). `gridStep` as for Render2D. Returns the rows Render2D draws nothing
// for (an unknown kind, a two-figure kind whose orientation is no number, a coordinate it needs
// that is not a number), in scene order.
std::vector<std::size_t> Render2DCulled(const Scene& scene, Canvas& canvas, int widthPixels,
                                        int heightPixels, float gridStep = 0.0f);

// Paints the map within `region` only: the background there, then every row whose symbol
// reaches into it, in the order Render2D uses, leaving out those under a later rectangle that
// fills all of the region. The caller clips the canvas to the region, so the pixels there are
// those Render2D paints with the same `gridStep`.
void Render2DRegion(const Scene& scene, Canvas& canvas, const MapRect& region,
                    float gridStep = 0.0f);

// Fills the map with the background colour alone (no objects, no start marker).
void paintBackground(Canvas& canvas);

} // namespace norvane
