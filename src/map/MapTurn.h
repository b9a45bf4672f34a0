#pragma once

#include "MapPoint.h"

#include <cmath>

namespace norvane {

// A turn of a figure about its object's point, counterclockwise on the map for a positive angle
// as the world turns the object (map X and Y are the world's X and Z). The default is no turn.
struct MapTurn {
    float cos = 1.0f;
    float sin = 0.0f;

    static MapTurn of(double radians) {
        return {static_cast<float>(std::cos(radians)), static_cast<float>(std::sin(radians))};
    }
    bool none() const { return cos == 1.0f && sin == 0.0f; }
    // The offset (dx, dy) from the point after the turn.
    MapPoint apply(float dx, float dy) const { return {dx * cos + dy * sin, dy * cos - dx * sin}; }
    // The offset before the turn that `apply` takes to (dx, dy).
    MapPoint undo(float dx, float dy) const { return {dx * cos - dy * sin, dx * sin + dy * cos}; }
};

} // namespace norvane
