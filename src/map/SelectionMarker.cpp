#include "SelectionMarker.h"

#include "MapNumber.h"

#include "scene/Catalogue.h"

namespace norvane {

namespace {

constexpr double kMarkerTwips = 200.0;
constexpr double kMarkerLeadTwips = 95.0;

std::optional<MapRect> areaMarker(const SceneRow& object) {
    const auto c = mapCorners(areaFields(object));
    if (!c)
        return std::nullopt;
    return MapRect{c->x1, c->y1, c->x2 - c->x1, c->y2 - c->y1};
}

// `twips` on the screen expressed in map units along a surface `surfaceTwips` long.
float mapUnits(double twips, int surfaceTwips) {
    return static_cast<float>(twips * 100.0 / surfaceTwips);
}

} // namespace

std::optional<MapRect> selectionMarker(const SceneRow& object, int surfaceWidthTwips,
                                       int surfaceHeightTwips) {
    if (isAreaKind(object.kind))
        return areaMarker(object);
    const auto at = mapPlace(pointFields(object));
    if (!at || surfaceWidthTwips <= 0 || surfaceHeightTwips <= 0)
        return std::nullopt;
    return MapRect{at->x - mapUnits(kMarkerLeadTwips, surfaceWidthTwips),
                   at->y - mapUnits(kMarkerLeadTwips, surfaceHeightTwips),
                   mapUnits(kMarkerTwips, surfaceWidthTwips),
                   mapUnits(kMarkerTwips, surfaceHeightTwips)};
}

} // namespace norvane
