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

// The map rounds a few numbers for every row it draws, so this stays clear of library calls:
// the result must fit a long, so the value's integer part does too.
long roundHalfEven(double value) {
    long below = static_cast<long>(value); // towards zero
    if (static_cast<double>(below) > value)
        --below;
    const double rest = value - static_cast<double>(below);
    if (rest == 0.5)
        return below % 2 == 0 ? below : below + 1;
    return rest > 0.5 ? below + 1 : below;
}

int twipsToPixels(int twips) {
    return static_cast<int>(roundHalfEven(static_cast<double>(twips) / kTwipsPerPixel));
}

} // namespace norvane
