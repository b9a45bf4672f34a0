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

// True when the two rectangles share a point, edges included.
inline bool overlaps(const MapRect& a, const MapRect& b) {
    return a.left <= b.left + b.width && b.left <= a.left + a.width && a.top <= b.top + b.height &&
           b.top <= a.top + a.height;
}

} // namespace norvane
