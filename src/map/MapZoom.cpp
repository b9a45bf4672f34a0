#include "MapZoom.h"

#include <cmath>

namespace norvane {

int surfaceTwips(ZoomLevel level) {
    for (const ZoomInfo& info : kZoomLevels) {
        if (info.level == level)
            return info.surfaceTwips;
    }
    return kZoomLevels.front().surfaceTwips;
}

std::optional<ZoomLevel> zoomFromPercent(int percent) {
    for (const ZoomInfo& info : kZoomLevels) {
        if (info.percent == percent)
            return info.level;
    }
    return std::nullopt;
}

ScrollRange scrollRange(int surfaceTwips, int viewportTwips) {
    if (surfaceTwips <= viewportTwips)
        return {};
    return {surfaceTwips - viewportTwips, static_cast<int>(roundHalfEven(surfaceTwips / 20.0)),
            static_cast<int>(roundHalfEven(surfaceTwips / 10.0))};
}

// The map rounds numbers for every row it draws, so this avoids branches and library calls:
// adding and taking away 1.5 * 2^52 leaves a double rounded to a whole number, halves to even,
// in the default rounding mode, which the program never changes. Larger values are whole.
long roundHalfEven(double value) {
    constexpr double kShift = 6755399441055744.0; // 1.5 * 2^52
    if (!(std::fabs(value) < kShift / 3.0))
        return static_cast<long>(value);
    return static_cast<long>((value + kShift) - kShift); // not folded without -ffast-math
}

int twipsToPixels(int twips) {
    return static_cast<int>(roundHalfEven(static_cast<double>(twips) / kTwipsPerPixel));
}

} // namespace norvane
