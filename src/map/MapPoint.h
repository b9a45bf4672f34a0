#pragma once

namespace norvane {

// A position on the map in map units (0..100 spans the map; values beyond lie off its edges).
struct MapPoint {
    float x = 0.0f;
    float y = 0.0f;

    friend bool operator==(const MapPoint&, const MapPoint&) = default;
};

} // namespace norvane
