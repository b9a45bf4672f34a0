#include "KindCounts.h"

#include "WorldShapes.h"

#include <string>

namespace norvane {

void KindCounts::add(const SceneRow& row) {
    if (const KindInfo* kind = findKind(row.kind))
        ++m_perKind[std::size_t(kind - kCatalogue.data())];
}

std::map<std::pair<int, int>, std::size_t> KindCounts::shapesPerBatch() const {
    std::map<std::pair<int, int>, std::size_t> perBatch;
    for (std::size_t i = 0; i < m_perKind.size(); ++i) {
        if (m_perKind[i] == 0)
            continue;
        const std::string name(kCatalogue[i].name);
        WorldShapes sample;
        appendObjectShapes({name, "1", "1", "2", "2", ""}, 0, sample);
        for (const ShapeInstance& shape : sample.shapes)
            perBatch[{shape.mesh, shape.paint.texture}] += m_perKind[i];
    }
    return perBatch;
}

} // namespace norvane
