// The shape budget of the 3D view: which rows a world too big to draw in time hands the
// renderer, chosen by their distance from the eye.
#include "WorldModel.h"

#include "ShapeBatch.h"

#include <algorithm>
#include <utility>

namespace {

using Nearness = std::pair<float, std::uint32_t>; // squared distance on the ground, row

// The rows nearest (x, z), ties to the first row, whose shapes come to at most `budget`: marks
// them in `drawn` and returns how many. Sorts only as many rows as the budget is likely to take,
// and more while it is not spent.
template <typename Spot>
std::size_t markNearest(const std::vector<Spot>& spots, float x, float z, std::size_t budget,
                        std::vector<std::uint8_t>& drawn) {
    std::vector<Nearness> order(spots.size());
    std::size_t shapes = 0;
    for (std::size_t row = 0; row < spots.size(); ++row) {
        const float dx = spots[row].x - x;
        const float dz = spots[row].z - z;
        order[row] = {dx * dx + dz * dz, std::uint32_t(row)};
        shapes += spots[row].shapes;
    }
    const std::size_t perRow =
        std::max<std::size_t>(1, shapes / std::max<std::size_t>(1, spots.size()));
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

} // namespace

WorldModel::RowSpot WorldModel::spotOf(const norvane::WorldShapes& shapes) {
    RowSpot spot;
    double x = 0;
    double z = 0;
    for (const norvane::ShapeInstance& shape : shapes.shapes)
        x += shape.place.offset.x, z += shape.place.offset.z;
    if (!shapes.shapes.empty()) {
        spot.shapes = std::uint32_t(shapes.shapes.size());
        spot.x = float(x / double(spot.shapes));
        spot.z = float(z / double(spot.shapes));
    } else if (!shapes.texts.empty()) {
        spot.x = float(shapes.texts.front().place.offset.x);
        spot.z = float(shapes.texts.front().place.offset.z);
    }
    return spot;
}

bool WorldModel::isDrawn(int row) const {
    if (!m_limited)
        return true;
    return row >= 0 && std::size_t(row) < m_drawnRows.size() && m_drawnRows[std::size_t(row)];
}

void WorldModel::setMostShapesDrawn(std::size_t shapes) {
    m_mostShapesDrawn = shapes;
    drawNearestRows();
}

void WorldModel::drawNearestRows() {
    if (m_building || m_stale)
        return; // the tables hold part of the scene; the build chooses when done
    if (chooseRows() && chooseTexts())
        emit textsChanged();
    for (const auto& [key, entry] : m_batches)
        entry->batch()->publish();
}

bool WorldModel::chooseRows() {
    m_chooser.stop();
    m_chosenAt = m_eye;
    const bool limit = m_shapeCount > m_mostShapesDrawn;
    if (!limit && !m_limited)
        return false;
    m_limited = limit;
    m_drawnRows.assign(limit ? m_spots.size() : 0, 0);
    const std::size_t budget = m_mostShapesDrawn - std::min(m_mostShapesDrawn, m_groundShapes);
    m_drawnObjects = limit ? markNearest(m_spots, m_eye.x(), m_eye.z(), budget, m_drawnRows) : 0;
    for (const auto& [key, entry] : m_batches)
        limit ? entry->batch()->drawOnly(m_drawnRows) : entry->batch()->drawAll();
    emit drawnChanged();
    return true;
}
