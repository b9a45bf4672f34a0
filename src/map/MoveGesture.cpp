#include "MoveGesture.h"

#include "ObjectMove.h"

namespace norvane {

void MoveGesture::press(std::size_t row, const SceneObject& object, MapPoint at) {
    m_active = true;
    m_row = row;
    m_original = object;
    m_start = at;
}

std::optional<SceneObject> MoveGesture::moveTo(MapPoint at) const {
    if (!m_active)
        return std::nullopt;
    return movedBy(m_original, {at.x - m_start.x, at.y - m_start.y});
}

} // namespace norvane
