#include "LargestCovers.h"

#include <algorithm>

namespace norvane {

void LargestCovers::add(const PixelBox& box) {
    if (boxArea(box) <= boxArea(m_boxes[m_smallest]))
        return;
    m_boxes[m_smallest] = box;
    const auto smallest =
        std::min_element(m_boxes.begin(), m_boxes.end(), [](const PixelBox& a, const PixelBox& b) {
            return boxArea(a) < boxArea(b);
        });
    m_smallest = static_cast<std::size_t>(smallest - m_boxes.begin());
}

bool LargestCovers::within(const PixelBox& box) const {
    return std::any_of(m_boxes.begin(), m_boxes.end(),
                       [&box](const PixelBox& kept) { return boxWithin(box, kept); });
}

} // namespace norvane
