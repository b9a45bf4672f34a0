#include "MapZoom.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace norvane {

int surfaceTwips(ZoomLevel level) {
    for (const ZoomInfo& info : kZoomLevels) {
        if (info.level == level)
            return info.surfaceTwips;
    }
    return kZoomLevels.front().surfaceTwips;
}

std::optional<ZoomLevel> zoomFromPercent(int percent) {
    const std::optional<ZoomLevel> level = editorZoomFromPercent(percent);
    if (level && kZoomLevels[static_cast<std::size_t>(*level)].editorOnly)
        return std::nullopt;
    return level;
}

std::optional<ZoomLevel> editorZoomFromPercent(int percent) {
    for (const ZoomInfo& info : kZoomLevels) {
        if (info.percent == percent)
            return info.level;
    }
    return std::nullopt;
}

std::optional<ZoomLevel> steppedLevel(int surfaceTwips, int steps) {
    std::optional<ZoomLevel> found;
    for (const ZoomInfo& info : kZoomLevels) {
        if (steps > 0 && info.surfaceTwips > surfaceTwips)
            return info.level;
        if (steps < 0 && info.surfaceTwips < surfaceTwips)
            found = info.level;
    }
    return found;
}

int fitSurfaceTwips(int viewportWidthTwips, int viewportHeightTwips) {
    const int smaller = std::min(viewportWidthTwips, viewportHeightTwips);
    return std::max(smaller, 0) / kTwipsPerPixel * kTwipsPerPixel;
}

ScrollRange scrollRange(int surfaceTwips, int viewportTwips) {
    if (surfaceTwips <= viewportTwips)
        return {};
    const double page = surfaceTwips / 10.0 * std::max(viewportTwips, kViewportTwips) /
                        static_cast<double>(kViewportTwips);
    return {surfaceTwips - viewportTwips, static_cast<int>(roundHalfEven(surfaceTwips / 20.0)),
            static_cast<int>(roundHalfEven(page))};
}

int scrollKeeping(double mapUnits, int surfaceTwips, int pointerTwips) {
    return static_cast<int>(roundHalfEven(mapUnits * surfaceTwips / 100.0 - pointerTwips));
}

int twipsToPixels(int twips) {
    return static_cast<int>(roundHalfEven(static_cast<double>(twips) / kTwipsPerPixel));
}

} // namespace norvane
