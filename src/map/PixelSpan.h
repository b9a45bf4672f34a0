#pragma once

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
double clampPixels(double pixels);

// The pixel edge nearest to map coordinate `units` on a surface `pixels` wide, clamped.
int pixelEdge(float units, int pixels);

// The pixels between map coordinates `a` and `b` (either order): from the edge nearest the lower
// one up to the pixel before the edge nearest the higher one, and never less than one pixel, so
// a line or a rectangle of no width still shows.
PixelSpan pixelSpan(float a, float b, int pixels);

} // namespace norvane
