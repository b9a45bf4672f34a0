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

long roundHalfEven(double value) {
    const double below = std::floor(value);
    const double rest = value - below;
    double result = rest > 0.5 ? below + 1.0 : below;
    if (rest == 0.5)
        result = std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
    return static_cast<long>(result);
}

int twipsToPixels(int twips) {
    return static_cast<int>(roundHalfEven(static_cast<double>(twips) / kTwipsPerPixel));
}

} // namespace norvane
