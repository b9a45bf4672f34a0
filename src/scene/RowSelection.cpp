#include "RowSelection.h"

#include <algorithm>

namespace norvane {

bool RowSelection::contains(std::size_t row) const {
    return std::binary_search(m_rows.begin(), m_rows.end(), row);
}

void RowSelection::clear() {
    m_rows.clear();
    m_current = -1;
}

void RowSelection::selectOnly(std::size_t row) {
    m_rows.assign(1, row);
    m_current = static_cast<int>(row);
}

void RowSelection::toggle(std::size_t row) {
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), row);
    if (at != m_rows.end() && *at == row) {
        m_rows.erase(at);
        if (m_current == static_cast<int>(row))
            currentNear(row);
        return;
    }
    m_rows.insert(at, row);
    m_current = static_cast<int>(row);
}

void RowSelection::add(std::span<const std::size_t> rows) {
    if (rows.empty())
        return;
    m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    std::sort(m_rows.begin(), m_rows.end());
    m_rows.erase(std::unique(m_rows.begin(), m_rows.end()), m_rows.end());
    m_current = static_cast<int>(rows.back());
}

void RowSelection::selectRange(std::size_t first, std::size_t count) {
    m_rows.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        m_rows[i] = first + i;
    m_current = count ? static_cast<int>(first + count - 1) : -1;
}

void RowSelection::rowsInserted(std::size_t first, std::size_t count) {
    for (std::size_t& row : m_rows)
        if (row >= first)
            row += count;
    if (m_current >= static_cast<int>(first))
        m_current += static_cast<int>(count);
}

void RowSelection::rowsRemoved(std::size_t first, std::size_t count) {
    const std::size_t end = first + count;
    const auto gone = std::lower_bound(m_rows.begin(), m_rows.end(), first);
    const auto kept = std::lower_bound(gone, m_rows.end(), end);
    for (auto later = kept; later != m_rows.end(); ++later)
        *later -= count;
    m_rows.erase(gone, kept);
    const auto current = static_cast<std::size_t>(m_current);
    if (m_current < 0 || current < first)
        return;
    if (current >= end)
        m_current -= static_cast<int>(count);
    else
        currentNear(first);
}

// The selected row nearest before `row`, else the first after it, else none.
void RowSelection::currentNear(std::size_t row) {
    const auto after = std::lower_bound(m_rows.begin(), m_rows.end(), row);
    if (after != m_rows.begin())
        m_current = static_cast<int>(*std::prev(after));
    else
        m_current = after == m_rows.end() ? -1 : static_cast<int>(*after);
}

} // namespace norvane
