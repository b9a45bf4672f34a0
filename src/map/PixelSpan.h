#pragma once

#include "MapZoom.h"

#include <algorithm>

namespace norvane {

// The pixels a map span covers on a square surface: columns (or rows) first..last, inclusive.
struct PixelSpan {
    int first = 0;
    int last = 0;

    friend bool operator==(const PixelSpan&, const PixelSpan&) = default;
};

// Pixel positions are kept within +-kPixelLimit: far beyond any surface, yet small enough for
// integer rasterisers, so that far-off objects stay drawable.
inline constexpr double kPixelLimit = 1.0e6;
inline double clampPixels(double pixels) {
    return std::clamp(pixels, -kPixelLimit, kPixelLimit);
}

// The pixel edge nearest to map coordinate `units` on a surface `pixels` wide, clamped.
// units * pixels is exact in a double (24 and at most 13 significant bits), so it lies either
// on a half pixel or at least 2^-37 of itself away from one; multiplying it by 0.01, off by
// less than 2^-52 of itself, then rounds to the same edge as dividing by 100, and costs a
// fraction of a division.
inline int pixelEdge(float units, int pixels) {
    const double at = static_cast<double>(units) * pixels * 0.01;
    return static_cast<int>(roundHalfEven(clampPixels(at)));
}

// The pixels between map coordinates `a` and `b` (either order): from the edge nearest the lower
// one up to the pixel before the edge nearest the higher one, and never less than one pixel, so
// a line or a rectangle of no width still shows. Inline, since the map works it out for every
// rectangle it draws.
inline PixelSpan pixelSpan(float a, float b, int pixels) {
    const int first = pixelEdge(std::min(a, b), pixels);
    const int end = pixelEdge(std::max(a, b), pixels);
    return {first, std::max(first, end - 1)};
}

} // namespace norvane
