#include "ShapeBudget.h"

#include <algorithm>

namespace norvane {

void ShapeBudget::forgetRows(std::size_t groundShapes, std::size_t rows) {
    m_spots.clear();
    m_spots.reserve(rows);
    m_groundShapes = groundShapes;
    m_shapes = groundShapes;
}

void ShapeBudget::addRow(const WorldShapes& row) {
    m_spots.push_back(rowSpotOf(row));
    m_shapes += row.shapes.size();
}

bool ShapeBudget::choose(float x, float z, std::size_t mostShapes) {
    const bool limit = m_shapes > mostShapes;
    if (!limit && !m_limited)
        return false;
    m_limited = limit;
    m_drawn.assign(limit ? m_spots.size() : 0, 0);
    const std::size_t budget = mostShapes - std::min(mostShapes, m_groundShapes);
    m_drawnRows = limit ? markNearestRows(m_spots, x, z, budget, m_drawn) : 0;
    return true;
}

bool ShapeBudget::isDrawn(int row) const {
    if (!m_limited)
        return true;
    return row >= 0 && std::size_t(row) < m_drawn.size() && m_drawn[std::size_t(row)];
}

} // namespace norvane
