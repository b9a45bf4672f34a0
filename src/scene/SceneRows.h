#pragma once

#include "SceneObject.h"

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>

namespace norvane {

// How a scene keeps one row: its six texts one after the other at `text`, value i ending at
// ends[i] bytes from there (value 0 starts at 0, value i at ends[i - 1]).
struct PackedRow {
    const char* text = nullptr;
    std::array<std::uint32_t, 6> ends{};

    SceneRow view() const {
        const auto piece = [this](std::size_t i) {
            const std::uint32_t begin = i == 0 ? 0 : ends[i - 1];
            return std::string_view(text + begin, ends[i] - begin);
        };
        return {piece(0), piece(1), piece(2), piece(3), piece(4), piece(5)};
    }
    std::size_t size() const { return ends[5]; }
};

// The rows of a scene as SceneRow views, in order; valid until the scene changes.
class SceneRows {
public:
    class iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = SceneRow;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = SceneRow;

        iterator() = default;
        explicit iterator(const PackedRow* at) : m_at(at) {}
        SceneRow operator*() const { return m_at->view(); }
        SceneRow operator[](difference_type n) const { return m_at[n].view(); }
        iterator& operator++() { return ++m_at, *this; }
        iterator operator++(int) { return iterator(m_at++); }
        iterator& operator--() { return --m_at, *this; }
        iterator& operator+=(difference_type n) { return m_at += n, *this; }
        friend iterator operator+(iterator it, difference_type n) { return it += n; }
        friend difference_type operator-(iterator a, iterator b) { return a.m_at - b.m_at; }
        friend bool operator==(iterator a, iterator b) = default;
        friend auto operator<=>(iterator a, iterator b) = default;

    private:
        const PackedRow* m_at = nullptr;
    };

    explicit SceneRows(std::span<const PackedRow> rows) : m_rows(rows) {}
    std::size_t size() const { return m_rows.size(); }
    bool empty() const { return m_rows.empty(); }
    SceneRow operator[](std::size_t i) const { return m_rows[i].view(); }
    iterator begin() const { return iterator(m_rows.data()); }
    iterator end() const { return iterator(m_rows.data() + m_rows.size()); }

private:
    std::span<const PackedRow> m_rows;
};

} // namespace norvane
