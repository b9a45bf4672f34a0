#include "PixelSpan.h"

#include "MapZoom.h"

#include <algorithm>

namespace norvane {

double clampPixels(double pixels) {
    return std::clamp(pixels, -kPixelLimit, kPixelLimit);
}

int pixelEdge(float units, int pixels) {
    const double at = static_cast<double>(units) * pixels / 100.0;
    return static_cast<int>(roundHalfEven(clampPixels(at)));
}

PixelSpan pixelSpan(float a, float b, int pixels) {
    const int first = pixelEdge(std::min(a, b), pixels);
    const int end = pixelEdge(std::max(a, b), pixels);
    return {first, std::max(first, end - 1)};
}

} // namespace norvane
