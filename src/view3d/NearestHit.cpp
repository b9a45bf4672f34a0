#include "NearestHit.h"

namespace norvane {

void NearestHit::offerShape(int mesh, const Affine& place, int row) {
    if (row >= 0)
        offer(hitDistance(mesh, place, m_ray), row);
}

void NearestHit::offerText(const TextInstance& text) {
    if (text.row >= 0)
        offer(hitDistance(text, m_ray), text.row);
}

void NearestHit::offer(std::optional<double> at, int row) {
    if (at && *at < m_nearest)
        m_nearest = *at, m_row = row;
}

} // namespace norvane
