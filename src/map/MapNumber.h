#pragma once

#include "MapPoint.h"

#include "scene/RowFields.h"

#include <optional>
#include <string_view>

namespace norvane {

// A stored coordinate text (point or plain form) as a single-precision map number. Returns
// nothing when the text is not a number or lies beyond the range of a float, so a damaged row
// can be skipped instead of drawn or measured.
std::optional<float> mapNumber(std::string_view text);

// An area object's corners in map units, as stored (x1 <= x2 and y1 <= y2 in a sound row).
struct MapCorners {
    float x1 = 0.0f;
    float y1 = 0.0f;
    float x2 = 0.0f;
    float y2 = 0.0f;
};

// A point object's place, or nothing when its X or Y is not a map number.
inline std::optional<MapPoint> mapPlace(const PointFields& fields) {
    const auto x = mapNumber(fields.x), y = mapNumber(fields.y);
    if (!x || !y)
        return std::nullopt;
    return MapPoint{*x, *y};
}

// An area object's corners, or nothing when one of them is not a map number.
inline std::optional<MapCorners> mapCorners(const AreaFields& fields) {
    const auto x1 = mapNumber(fields.x1), y1 = mapNumber(fields.y1);
    const auto x2 = mapNumber(fields.x2), y2 = mapNumber(fields.y2);
    if (!x1 || !y1 || !x2 || !y2)
        return std::nullopt;
    return MapCorners{*x1, *y1, *x2, *y2};
}

} // namespace norvane
