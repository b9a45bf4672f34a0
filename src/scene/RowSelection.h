#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace norvane {

// The selected rows of a scene: a set of row numbers kept in ascending order, with the one chosen
// last (the current row, which the marker, Properties and the 3D view follow). The numbers stay
// with their objects as rows are inserted before them or removed; a removed row leaves the set.
class RowSelection {
public:
    bool empty() const { return m_rows.empty(); }
    std::size_t count() const { return m_rows.size(); }
    const std::vector<std::size_t>& rows() const { return m_rows; }
    // The current row; -1 for none.
    int current() const { return m_current; }
    bool contains(std::size_t row) const;

    void clear();
    // Just `row`, which becomes current.
    void selectOnly(std::size_t row);
    // Adds `row` (current from then on) or, when selected, takes it out (the current row then
    // goes to the nearest selected row before it, else after it).
    void toggle(std::size_t row);
    // Makes `row`, which must be selected, the current one.
    void setCurrent(std::size_t row) {
        m_current = contains(row) ? static_cast<int>(row) : m_current;
    }
    // Adds every row of `rows` (any order); the last of them becomes current.
    void add(std::span<const std::size_t> rows);
    // Rows first … first + count - 1, the last of them current.
    void selectRange(std::size_t first, std::size_t count);

    // `count` rows were inserted before row `first`.
    void rowsInserted(std::size_t first, std::size_t count);
    // Rows first … first + count - 1 were removed.
    void rowsRemoved(std::size_t first, std::size_t count);

    friend bool operator==(const RowSelection&, const RowSelection&) = default;

private:
    void currentNear(std::size_t row);

    std::vector<std::size_t> m_rows;
    int m_current = -1;
};

} // namespace norvane
