#pragma once

#include "SceneObject.h"

#include <cstddef>
#include <span>
#include <vector>

namespace norvane {

// The ordered sequence of placed objects plus the selected row (-1 for none).
// Every change is one small operation so that it can later become an undoable command.
class Scene {
public:
    std::size_t count() const { return m_objects.size(); }
    bool empty() const { return m_objects.empty(); }

    // Adds a row at the end; returns its index.
    std::size_t append(SceneObject object);
    // Removes row i (later rows move up). Throws Error when i is out of range.
    // The selected index keeps its number, or becomes -1 when it is now past the last row; the
    // editor decides what to select next.
    void remove(std::size_t i);
    // Removes every row and the selection.
    void clear();

    // Row i; throws Error when i is out of range.
    const SceneObject& row(std::size_t i) const;
    std::span<const SceneObject> rows() const { return m_objects; }

    int selectedIndex() const { return m_selected; }
    // Sets the selection; -1 or an index past the last row selects nothing.
    void setSelectedIndex(int index);

    void reserve(std::size_t n) { m_objects.reserve(n); }

    friend bool operator==(const Scene& a, const Scene& b) { return a.m_objects == b.m_objects; }

private:
    std::vector<SceneObject> m_objects;
    int m_selected = -1;
};

} // namespace norvane
