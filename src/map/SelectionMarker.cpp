#include "SelectionMarker.h"

#include "MapNumber.h"

#include "scene/Catalogue.h"

namespace norvane {

namespace {

constexpr double kMarkerTwips = 200.0;
constexpr double kMarkerLeadTwips = 95.0;

std::optional<MapRect> areaMarker(const SceneRow& object) {
    const auto x1 = mapNumber(object.list3), y1 = mapNumber(object.list4);
    const auto x2 = mapNumber(object.list5), y2 = mapNumber(object.list6);
    if (!x1 || !y1 || !x2 || !y2)
        return std::nullopt;
    return MapRect{*x1, *y1, *x2 - *x1, *y2 - *y1};
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
    const auto x = mapNumber(object.list3), y = mapNumber(object.list4);
    if (!x || !y || surfaceWidthTwips <= 0 || surfaceHeightTwips <= 0)
        return std::nullopt;
    return MapRect{*x - mapUnits(kMarkerLeadTwips, surfaceWidthTwips),
                   *y - mapUnits(kMarkerLeadTwips, surfaceHeightTwips),
                   mapUnits(kMarkerTwips, surfaceWidthTwips),
                   mapUnits(kMarkerTwips, surfaceHeightTwips)};
}

} // namespace norvane
