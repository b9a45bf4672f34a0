#pragma once

#include "NearestRows.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace norvane {

// The rows of the world the 3D view has built and which of them it hands the renderer: every
// row while the world's shapes, the ground's included, fit the most shapes drawn; else the rows
// nearest the eye, each whole or not at all, whose shapes fit beside the ground's.
class ShapeBudget {
public:
    // Forgets the rows built, for a world whose ground has `groundShapes` shapes, with room for
    // `rows` rows. The rows drawn stay as chosen until the next choice.
    void forgetRows(std::size_t groundShapes, std::size_t rows);
    // Notes the next row built, whose shapes and texts `row` holds.
    void addRow(const WorldShapes& row);
    // How many rows are built, and how many shapes they and the ground have.
    std::size_t rowCount() const { return m_spots.size(); }
    std::size_t shapeCount() const { return m_shapes; }

    // Chooses the rows drawn from an eye at (x, z) on the ground when at most `mostShapes` are
    // drawn; false when every row was drawn and still is.
    bool choose(float x, float z, std::size_t mostShapes);
    // Whether only some rows are drawn, and how many (0 while every row is).
    bool limited() const { return m_limited; }
    std::size_t drawnRows() const { return m_drawnRows; }
    // Whether `row` is drawn: while limited, only the rows chosen (none built since).
    bool isDrawn(int row) const;
    // While limited, 1 for each row drawn, indexed by row; empty while every row is drawn.
    const std::vector<std::uint8_t>& drawnMarks() const { return m_drawn; }

private:
    std::vector<RowSpot> m_spots; // of each row built
    std::size_t m_groundShapes = 0;
    std::size_t m_shapes = 0;
    bool m_limited = false;
    std::vector<std::uint8_t> m_drawn;
    std::size_t m_drawnRows = 0;
};

} // namespace norvane
