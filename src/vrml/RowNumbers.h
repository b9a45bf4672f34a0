#pragma once

#include "scene/SceneObject.h"

#include <cstddef>

namespace norvane {

// Map position of a point object.
struct PointPlace {
    double x;
    double y;
};

// Corners of an area object.
struct AreaRect {
    double x1;
    double y1;
    double x2;
    double y2;
};

// The rectangle's width (along world X) and depth (along world Z).
inline double width(const AreaRect& rect) {
    return rect.x2 - rect.x1;
}
inline double depth(const AreaRect& rect) {
    return rect.y2 - rect.y1;
}
// World X and Z of the rectangle's centre, computed as difference, half, plus corner, minus 50,
// as every world writes them.
inline double centreX(const AreaRect& rect) {
    return rect.x1 + width(rect) / 2 - 50;
}
inline double centreZ(const AreaRect& rect) {
    return rect.y1 + depth(rect) / 2 - 50;
}

// Reads X and Y of a point object and checks that its orientation code is a number, since the
// code is copied into a rotation field. `row` is 0-based; throws Error naming the 1-based row,
// its line in the scene file and the column of the first text that is not a number, is longer
// than kLongestNumberText or lies beyond the range of a float (the world's sums could overflow).
PointPlace readPointPlace(const SceneRow& object, std::size_t row);

// Reads the two corners of an area object, the smaller X and Y as x1/y1 and the larger as x2/y2
// (as the map draws a rectangle whose corners a damaged file holds reversed); throws Error as
// readPointPlace.
AreaRect readAreaRect(const SceneRow& object, std::size_t row);

} // namespace norvane
