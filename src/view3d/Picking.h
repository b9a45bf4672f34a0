#pragma once

#include "WorldShapes.h"

#include <optional>

namespace norvane {

// A ray from the eye: where it starts and which way it goes (any length but zero).
struct Ray {
    Vec3 origin;
    Vec3 direction;
};

// How far along the ray it meets the box of `mesh` placed by `place`, or nothing when it misses
// it or the box lies behind the ray's origin.
std::optional<double> hitDistance(int mesh, const Affine& place, const Ray& ray);
// The same for a text's box.
std::optional<double> hitDistance(const TextInstance& text, const Ray& ray);

// The scene row of the nearest shape or text the ray meets in front of its origin, tested
// against each shape's box; nothing when it meets no row (the ground has none).
std::optional<int> pickRow(const WorldShapes& shapes, const Ray& ray);

} // namespace norvane
