#pragma once

#include "scene/Catalogue.h"
#include "scene/SceneObject.h"

#include <array>
#include <cstddef>
#include <map>
#include <utility>

namespace norvane {

// How many rows of each catalogue kind part of a scene holds, and from that how many shapes
// each (mesh, texture) batch of the 3D view takes for them, to make room for all at once.
class KindCounts {
public:
    // Counts `row`; a row of a kind outside the catalogue counts nowhere.
    void add(const SceneRow& row);
    // The shapes of the rows counted for each (mesh, texture) pair, pairs of none left out. Each
    // kind's shapes are those of one sample object of it (kinds may share a pair).
    std::map<std::pair<int, int>, std::size_t> shapesPerBatch() const;
    // Forgets every row counted.
    void clear() { m_perKind = {}; }

private:
    std::array<std::size_t, kCatalogue.size()> m_perKind{};
};

} // namespace norvane
