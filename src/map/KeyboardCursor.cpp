#include "KeyboardCursor.h"

#include <algorithm>
#include <cmath>

namespace norvane {

namespace {

constexpr int kTenthsPerMetre = 10;
constexpr int kMapTenths = 100 * kTenthsPerMetre;

int onMap(long tenths) {
    return static_cast<int>(std::clamp(tenths, 0L, static_cast<long>(kMapTenths)));
}

int toTenths(float metres) {
    return onMap(std::lround(static_cast<double>(metres) * kTenthsPerMetre));
}

} // namespace

void KeyboardCursor::step(int dx, int dy, bool fine) {
    const int size = fine ? 1 : kTenthsPerMetre;
    m_x = onMap(m_x + dx * size);
    m_y = onMap(m_y + dy * size);
}

void KeyboardCursor::moveTo(MapPoint at) {
    m_x = toTenths(at.x);
    m_y = toTenths(at.y);
}

MapPoint KeyboardCursor::at() const {
    return {static_cast<float>(m_x) / kTenthsPerMetre, static_cast<float>(m_y) / kTenthsPerMetre};
}

} // namespace norvane
