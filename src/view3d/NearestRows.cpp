#include "NearestRows.h"

#include <algorithm>
#include <utility>

namespace norvane {

namespace {

using Nearness = std::pair<float, std::uint32_t>; // squared distance on the ground, row

// Fills `order` with each row's squared distance from (x, z) and returns the mean shapes of a
// row (at least 1), in one pass over the spots.
std::size_t orderByNearness(const std::vector<RowSpot>& spots, float x, float z,
                            std::vector<Nearness>& order) {
    order.resize(spots.size());
    std::size_t shapes = 0;
    for (std::size_t row = 0; row < spots.size(); ++row) {
        const float dx = spots[row].x - x;
        const float dz = spots[row].z - z;
        order[row] = {dx * dx + dz * dz, std::uint32_t(row)};
        shapes += spots[row].shapes;
    }
    return std::max<std::size_t>(1, shapes / std::max<std::size_t>(1, spots.size()));
}

} // namespace

RowSpot rowSpotOf(const WorldShapes& row) {
    RowSpot spot;
    double x = 0;
    double z = 0;
    for (const ShapeInstance& shape : row.shapes)
        x += shape.place.offset.x, z += shape.place.offset.z;
    if (!row.shapes.empty()) {
        spot.shapes = std::uint32_t(row.shapes.size());
        spot.x = float(x / double(spot.shapes));
        spot.z = float(z / double(spot.shapes));
    } else if (!row.texts.empty()) {
        spot.x = float(row.texts.front().place.offset.x);
        spot.z = float(row.texts.front().place.offset.z);
    }
    return spot;
}

// Sorts only as many rows as the budget is likely to take, and more while it is not spent.
std::size_t markNearestRows(const std::vector<RowSpot>& spots, float x, float z, std::size_t budget,
                            std::vector<std::uint8_t>& drawn) {
    std::vector<Nearness> order;
    const std::size_t perRow = orderByNearness(spots, x, z, order);
    std::size_t done = 0;
    std::size_t spent = 0;
    while (done < order.size()) {
        const std::size_t end = std::min(order.size(), done + (budget - spent) / perRow + 64);
        std::nth_element(order.begin() + std::ptrdiff_t(done),
                         order.begin() + std::ptrdiff_t(end - 1), order.end());
        std::sort(order.begin() + std::ptrdiff_t(done), order.begin() + std::ptrdiff_t(end));
        for (; done < end; ++done) {
            const std::uint32_t row = order[done].second;
            if (spent + spots[row].shapes > budget)
                return done;
            spent += spots[row].shapes;
            drawn[row] = 1;
        }
    }
    return done;
}

} // namespace norvane
