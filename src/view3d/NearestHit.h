#pragma once

#include "Picking.h"

#include <limits>
#include <optional>

namespace norvane {

// The scene row a ray meets nearest among the shapes and texts offered to it, in front of the
// ray's origin, ties to the one offered first. Shapes of no row (the ground) are passed over.
class NearestHit {
public:
    explicit NearestHit(const Ray& ray) : m_ray(ray) {}

    // Offers the box of `mesh` placed by `place`, a shape of `row`.
    void offerShape(int mesh, const Affine& place, int row);
    // Offers the box of `text`.
    void offerText(const TextInstance& text);
    // The row met nearest so far; nothing while none is met.
    std::optional<int> row() const { return m_row; }

private:
    void offer(std::optional<double> at, int row);

    Ray m_ray;
    double m_nearest = std::numeric_limits<double>::infinity();
    std::optional<int> m_row;
};

} // namespace norvane
