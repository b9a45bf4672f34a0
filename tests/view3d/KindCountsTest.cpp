// Counting the kinds of a scene's rows ahead of building them, to make room in each batch of the
// 3D view for all their shapes at once.
#include "view3d/KindCounts.h"
#include "view3d/WorldShapes.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

using namespace norvane;

namespace {

using PerBatch = std::map<std::pair<int, int>, std::size_t>;

// The shapes each (mesh, texture) pair draws for `rows`, the ground left out.
PerBatch shapesBuilt(const std::vector<SceneObject>& rows) {
    WorldShapes shapes;
    for (std::size_t i = 0; i < rows.size(); ++i)
        appendObjectShapes(rows[i], int(i), shapes);
    PerBatch perBatch;
    for (const ShapeInstance& shape : shapes.shapes)
        ++perBatch[{shape.mesh, shape.paint.texture}];
    return perBatch;
}

KindCounts counted(const std::vector<SceneObject>& rows) {
    KindCounts counts;
    for (const SceneObject& row : rows)
        counts.add(row);
    return counts;
}

} // namespace

// For kinds whose shapes do not depend on their place or size, the room made is exactly what the
// rows then take; kinds that share a batch add up; a name outside the catalogue (in any case)
// takes nothing.
TEST(KindCounts, ShapesPerBatchAreWhatTheRowsTake) {
    const std::vector<std::vector<SceneObject>> scenes = {
        {{"Tree", "1", "1", "0", "", ""}},
        {{"Tree", "1", "1", "0", "", ""},
         {"Tree", "40", "-3", "1.57", "", ""},
         {"Car (Red)", "5", "1", "0", "", ""},
         {"Car (Blue)", "6", "1", "0", "", ""},
         {"House", "20", "20", "3.14", "", ""},
         {"Light Post", "2", "7", "0", "", ""}},
        {{"Bench", "1", "1", "0", "", ""},
         {"Chair", "2", "2", "0", "", ""},
         {"tree", "1", "1", "0", "", ""},
         {"Nonsense", "1", "1", "0", "", ""}},
    };
    for (const auto& rows : scenes) {
        SCOPED_TRACE(std::string(rows.front().kind) + " ... " + std::to_string(rows.size()));
        EXPECT_EQ(counted(rows).shapesPerBatch(), shapesBuilt(rows));
    }
}
