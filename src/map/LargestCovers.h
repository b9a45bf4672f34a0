#pragma once

#include "PixelBox.h"

#include <array>
#include <cstddef>

namespace norvane {

// The few largest boxes known to be covered, so that a box lying within one of them is known to
// be covered without looking at its pixels. Scenes of big overlapping areas are culled in time
// proportional to their rows instead of to their pixels.
class LargestCovers {
public:
    // Remembers `box` as covered when it is larger than the smallest box kept.
    void add(const PixelBox& box);
    // True when `box` lies within one of the boxes kept.
    bool within(const PixelBox& box) const;

private:
    static constexpr std::size_t kKept = 16;
    std::array<PixelBox, kKept> m_boxes{};
    std::size_t m_smallest = 0; // index of the kept box of least area
};

} // namespace norvane
