#include "ShapeBatch.h"

#include <QVector4D>

#include <algorithm>

namespace {

using Entry = QQuick3DInstancing::InstanceTableEntry;

Entry entryOf(const norvane::ShapeInstance& shape, bool highlighted) {
    const auto& m = shape.place.linear;
    const auto& o = shape.place.offset;
    const norvane::Paint& p = shape.paint;
    return {QVector4D(float(m[0]), float(m[1]), float(m[2]), float(o.x)),
            QVector4D(float(m[3]), float(m[4]), float(m[5]), float(o.y)),
            QVector4D(float(m[6]), float(m[7]), float(m[8]), float(o.z)),
            QVector4D(p.colour[0], p.colour[1], p.colour[2], p.lit ? 1.0f : 0.0f),
            QVector4D(p.texRotation, p.texScale[0], p.texScale[1], highlighted ? 1.0f : 0.0f)};
}

} // namespace

norvane::Affine ShapeBatch::placeOf(int i) const {
    const Entry& e = reinterpret_cast<const Entry*>(m_table.constData())[i];
    norvane::Affine place;
    const QVector4D rows[3] = {e.row0, e.row1, e.row2};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            place.linear[std::size_t(r * 3 + c)] = rows[r][c];
    place.offset = {rows[0][3], rows[1][3], rows[2][3]};
    return place;
}

bool ShapeBatch::isHighlighted(int i) const {
    return reinterpret_cast<const Entry*>(m_table.constData())[i].instanceData.w() != 0.0f;
}

void ShapeBatch::clear() {
    m_table.clear();
    m_rows.clear();
    drawAll();
    m_changed = true;
}

void ShapeBatch::reserve(int count) {
    m_table.reserve(m_table.size() + qsizetype(count) * qsizetype(sizeof(Entry)));
    m_rows.reserve(m_rows.size() + std::size_t(count));
}

void ShapeBatch::publish() {
    if (m_changed)
        markDirty();
    m_changed = false;
}

void ShapeBatch::append(const norvane::ShapeInstance& shape, bool highlighted) {
    const Entry entry = entryOf(shape, highlighted);
    m_table.append(reinterpret_cast<const char*>(&entry), sizeof entry);
    m_rows.push_back(shape.row);
    m_changed = true;
}

// A choice that keeps this batch's shapes as they were leaves the renderer's copy alone.
void ShapeBatch::drawOnly(const std::vector<std::uint8_t>& drawn) {
    std::vector<int> at;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i] < 0 || drawn[std::size_t(m_rows[i])])
            at.push_back(int(i));
    if (m_limited && at == m_drawnAt)
        return;
    m_drawn = QByteArray(qsizetype(at.size() * sizeof(Entry)), Qt::Uninitialized);
    const auto* from = reinterpret_cast<const Entry*>(m_table.constData());
    auto* to = reinterpret_cast<Entry*>(m_drawn.data());
    for (std::size_t i = 0; i < at.size(); ++i)
        to[i] = from[at[i]];
    m_drawnAt = std::move(at);
    m_limited = true;
    m_changed = true;
}

void ShapeBatch::drawAll() {
    if (!m_limited)
        return;
    m_limited = false;
    m_drawn.clear();
    m_drawnAt.clear();
    m_changed = true;
}

int ShapeBatch::drawnCount() const {
    return m_limited ? int(m_drawnAt.size()) : count();
}

int ShapeBatch::drawnShape(int i) const {
    return m_limited ? m_drawnAt[std::size_t(i)] : i;
}

// Writes only to a table that has shapes of either row: the renderer keeps a share of the table
// it was given last, so a write copies the whole table.
void ShapeBatch::moveHighlight(int from, int to) {
    const auto touched = [from, to](int row) { return row >= 0 && (row == from || row == to); };
    if (std::none_of(m_rows.begin(), m_rows.end(), touched))
        return;
    auto* entries = reinterpret_cast<Entry*>(m_table.data());
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (touched(m_rows[i]))
            entries[i].instanceData.setW(m_rows[i] == to ? 1.0f : 0.0f);
    auto* drawn = reinterpret_cast<Entry*>(m_limited ? m_drawn.data() : nullptr);
    for (std::size_t i = 0; i < m_drawnAt.size(); ++i)
        drawn[i].instanceData = entries[m_drawnAt[i]].instanceData;
    m_changed = true;
}

QByteArray ShapeBatch::getInstanceBuffer(int* instanceCount) {
    if (instanceCount)
        *instanceCount = drawnCount();
    return m_limited ? m_drawn : m_table;
}
