#include "Grid.h"

#include <algorithm>
#include <cmath>

namespace norvane {

namespace {

constexpr float kMapSize = 100.0f;

Rgb lineColour(int metres) {
    return metres % 10 == 0 ? kGridTenMetreLine : kGridLine;
}

// The whole multiples of `step` from `from` to `to`, clipped to the map, as metres.
template <typename DrawAt> void eachLine(float step, float from, float to, DrawAt drawAt) {
    const int first = static_cast<int>(std::ceil(std::max(from, 0.0f) / step));
    const int last = static_cast<int>(std::floor(std::min(to, kMapSize) / step));
    const int metresPerStep = static_cast<int>(step);
    for (int i = first; i <= last; ++i)
        drawAt(static_cast<float>(i * metresPerStep), i * metresPerStep);
}

} // namespace

float gridStep(int surfacePixels) {
    const double pixelsPerMetre = surfacePixels / static_cast<double>(kMapSize);
    return pixelsPerMetre * kGridFineStep >= kGridMinPixels ? kGridFineStep : kGridCoarseStep;
}

void drawGrid(Canvas& canvas, float step, const MapRect& region) {
    if (step <= 0.0f)
        return;
    canvas.setPenWidth(1);
    const float top = std::max(region.top, 0.0f);
    const float bottom = std::min(region.top + region.height, kMapSize);
    const float left = std::max(region.left, 0.0f);
    const float right = std::min(region.left + region.width, kMapSize);
    eachLine(step, region.left, region.left + region.width,
             [&](float x, int metres) { canvas.line(x, top, x, bottom, lineColour(metres)); });
    eachLine(step, region.top, region.top + region.height,
             [&](float y, int metres) { canvas.line(left, y, right, y, lineColour(metres)); });
}

} // namespace norvane
