#pragma once

#include "view3d/WorldShapes.h"

#include <QByteArray>
#include <QQuick3DInstancing>

#include <cstdint>
#include <vector>

// The instance table of one mesh and texture: every shape of the world drawn with them, each
// with its transform, its colour (alpha 1 when lit) and its texture transform and highlight.
// The renderer gets either this table or, while only some rows are drawn, a copy of their
// entries.
class ShapeBatch : public QQuick3DInstancing {
    Q_OBJECT
public:
    // The batch of mesh `mesh` (a meshKit() number).
    explicit ShapeBatch(int mesh, QQuick3DObject* parent = nullptr)
        : QQuick3DInstancing(parent), m_mesh(mesh) {}

    void clear();
    // Makes room for `count` more shapes.
    void reserve(int count);
    void append(const norvane::ShapeInstance& shape, bool highlighted);
    // Moves the highlight from the shapes of row `from` to those of row `to` (-1 for none).
    void moveHighlight(int from, int to);
    int count() const { return static_cast<int>(m_rows.size()); }
    int mesh() const { return m_mesh; }
    // The scene row and the place of shape `i` (0 <= i < count()).
    int rowOf(int i) const { return m_rows[std::size_t(i)]; }
    norvane::Affine placeOf(int i) const;
    bool isHighlighted(int i) const;
    // Hands the renderer only the shapes of the rows `drawn` marks (indexed by row; the ground is
    // always drawn); the full table stays the model for picking and highlight.
    void drawOnly(const std::vector<std::uint8_t>& drawn);
    // Hands the renderer every shape again.
    void drawAll();
    // The shapes the renderer gets: drawnCount() of them, the i-th is shape drawnShape(i).
    int drawnCount() const;
    int drawnShape(int i) const;
    // Tells the renderer to upload the table again before the next frame, if it changed.
    void publish();

protected:
    QByteArray getInstanceBuffer(int* instanceCount) override;

private:
    int m_mesh;
    QByteArray m_table;
    std::vector<int> m_rows; // the scene row of each entry
    bool m_limited = false;  // the renderer gets m_drawn, the entries m_drawnAt of m_table
    QByteArray m_drawn;
    std::vector<int> m_drawnAt;
    bool m_changed = true;
};
