#pragma once

#include "WorldShapes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace norvane {

// Where a row stands on the ground (the middle of its shapes) and how many shapes it has.
struct RowSpot {
    float x = 0;
    float z = 0;
    std::uint32_t shapes = 0;

    friend bool operator==(const RowSpot&, const RowSpot&) = default;
};

// The spot of the row whose shapes and texts `row` holds: the mean of its shapes' places, or
// where its first text stands when it has no shape (at the origin with neither).
RowSpot rowSpotOf(const WorldShapes& row);

// The rows nearest (x, z) on the ground, ties to the first row, whose shapes come to at most
// `budget`: marks them with 1 in `drawn` (one entry per spot) and returns how many. Stops at the
// first row that no longer fits, so a far row is never taken in place of a nearer one.
std::size_t markNearestRows(const std::vector<RowSpot>& spots, float x, float z, std::size_t budget,
                            std::vector<std::uint8_t>& drawn);

} // namespace norvane
