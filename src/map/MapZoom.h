#pragma once

#include <array>
#include <cmath>
#include <optional>

namespace norvane {

// Screen sizes of the map, in twips (1/1440 inch; 15 twips are one pixel at 96 dots per inch).
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kViewportTwips = 5535;

enum class ZoomLevel { Percent100, Percent200, Percent400, Percent800 };

struct ZoomInfo {
    ZoomLevel level;
    int percent;
    int surfaceTwips; // outer width and height of the square map surface
    bool editorOnly;  // a level for placing furniture, which pictures on disk do not offer
};

inline constexpr std::array<ZoomInfo, 4> kZoomLevels{{
    {ZoomLevel::Percent100, 100, 5445, false},
    {ZoomLevel::Percent200, 200, 10890, false},
    {ZoomLevel::Percent400, 400, 21780, false},
    {ZoomLevel::Percent800, 800, 43560, true},
}};

// The map surface's outer size at `level`, in twips.
int surfaceTwips(ZoomLevel level);
// The level shown as `percent` (100, 200 or 400), or nothing for any other number; the
// editor-only level is left out.
std::optional<ZoomLevel> zoomFromPercent(int percent);
// The level the editor keeps as `percent` (100, 200, 400 or 800), or nothing.
std::optional<ZoomLevel> editorZoomFromPercent(int percent);
// The level one step larger (`steps` > 0) or smaller (< 0) than a surface of `surfaceTwips`, or
// nothing beyond the largest or the smallest level.
std::optional<ZoomLevel> steppedLevel(int surfaceTwips, int steps);
// The largest square surface, in whole pixels, that fits in a viewport (sizes in twips).
int fitSurfaceTwips(int viewportWidthTwips, int viewportHeightTwips);

// A scroll bar's settings for a surface in a viewport (both in twips). The minimum is always 0.
// The steps are given only when the surface is larger than the viewport; otherwise the bar keeps
// whatever steps it had. The page step is a tenth of the surface for the window's smallest
// viewport and grows with the viewport.
struct ScrollRange {
    int maximum = 0;
    std::optional<int> arrowStep;
    std::optional<int> pageStep;

    friend bool operator==(const ScrollRange&, const ScrollRange&) = default;
};
ScrollRange scrollRange(int surfaceTwips, int viewportTwips);

// The scroll position (twips) that shows map point `mapUnits` (0..100 along the bar) at
// `pointerTwips` from the viewport's edge on a surface of `surfaceTwips`; not clamped.
int scrollKeeping(double mapUnits, int surfaceTwips, int pointerTwips);

// The whole number nearest to `value`, halves going to the even neighbour (544.5 -> 544).
// The map rounds numbers for every row it draws, so this avoids branches and library calls:
// adding and taking away 1.5 * 2^52 leaves a double rounded to a whole number, halves to even,
// in the default rounding mode, which the program never changes. Larger values are whole.
inline long roundHalfEven(double value) {
    constexpr double kShift = 6755399441055744.0; // 1.5 * 2^52
    if (!(std::fabs(value) < kShift / 3.0))
        return static_cast<long>(value);
    return static_cast<long>((value + kShift) - kShift); // not folded without -ffast-math
}
// Twips as whole screen pixels, rounded to the nearest.
int twipsToPixels(int twips);

} // namespace norvane
