#pragma once

namespace norvane {

// An overlay rectangle on the map in map units, given as the shapes above the map take it.
struct MapRect {
    float left = 0.0f;
    float top = 0.0f;
    float width = 0.0f;
    float height = 0.0f;

    friend bool operator==(const MapRect&, const MapRect&) = default;
};

} // namespace norvane
