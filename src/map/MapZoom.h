#pragma once

#include <array>
#include <optional>

namespace norvane {

// Screen sizes of the map, in twips (1/1440 inch; 15 twips are one pixel at 96 dots per inch).
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kViewportTwips = 5535;

enum class ZoomLevel { Percent100, Percent200, Percent400 };

struct ZoomInfo {
    ZoomLevel level;
    int percent;
    int surfaceTwips; // outer width and height of the square map surface
};

inline constexpr std::array<ZoomInfo, 3> kZoomLevels{{
    {ZoomLevel::Percent100, 100, 5445},
    {ZoomLevel::Percent200, 200, 10890},
    {ZoomLevel::Percent400, 400, 21780},
}};

// The map surface's outer size at `level`, in twips.
int surfaceTwips(ZoomLevel level);
// The level shown as `percent` (100, 200 or 400), or nothing for any other number.
std::optional<ZoomLevel> zoomFromPercent(int percent);

// A scroll bar's settings for a surface in a viewport (both in twips). The minimum is always 0.
// The steps are given only when the surface is larger than the viewport; otherwise the bar keeps
// whatever steps it had.
struct ScrollRange {
    int maximum = 0;
    std::optional<int> arrowStep;
    std::optional<int> pageStep;

    friend bool operator==(const ScrollRange&, const ScrollRange&) = default;
};
ScrollRange scrollRange(int surfaceTwips, int viewportTwips);

// The whole number nearest to `value`, halves going to the even neighbour (544.5 -> 544).
long roundHalfEven(double value);
// Twips as whole screen pixels, rounded to the nearest.
int twipsToPixels(int twips);

} // namespace norvane
