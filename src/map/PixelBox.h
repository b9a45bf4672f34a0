#pragma once

namespace norvane {

// A box of whole pixels, inclusive on all sides.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
};

// True when `inner` lies wholly within `outer`.
constexpr bool boxWithin(const PixelBox& inner, const PixelBox& outer) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}

// The number of pixels of a box (0 for an empty one).
constexpr long long boxArea(const PixelBox& box) {
    if (box.right < box.left || box.bottom < box.top)
        return 0;
    return static_cast<long long>(box.right - box.left + 1) * (box.bottom - box.top + 1);
}

} // namespace norvane
