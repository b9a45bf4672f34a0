// The nearest-hit loop that picking shares: the core's pickRow over a world's shapes and the 3D
// view's over its instance tables.
#include "view3d/NearestHit.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace norvane;

namespace {

// A unit box of `row` centred at (x, 0, 0); the ray looks along +X from the origin.
ShapeInstance boxAt(double x, int row) {
    return {kBoxMesh, Affine::translation({x, 0, 0}), {}, row};
}

// A text 1 m high of `row` across the ray, its middle at X = x: 0.6 m wide per letter.
TextInstance textAt(double x, int row, const char* letters = "ab") {
    TextInstance text;
    text.text = letters;
    text.place = Affine::translation({x, -0.5, 0});
    text.row = row;
    return text;
}

const Ray kAlongX{{0, 0, 0}, {1, 0, 0}};

struct Case {
    const char* name;
    WorldShapes world;
    std::optional<int> row;
};

const std::vector<Case> kCases = {
    {"nothing offered", {}, std::nullopt},
    {"the nearer of two boxes", {{boxAt(9, 0), boxAt(4, 1)}, {}}, 1},
    {"equal distances go to the first", {{boxAt(4, 2), boxAt(4, 1)}, {}}, 2},
    {"the ground is passed over", {{boxAt(2, -1), boxAt(6, 3)}, {}}, 3},
    {"only the ground", {{boxAt(2, -1)}, {}}, std::nullopt},
    {"a box behind the eye is missed", {{boxAt(-3, 0)}, {}}, std::nullopt},
    {"a box off the ray is missed",
     {{{kBoxMesh, Affine::translation({5, 3, 0}), {}, 0}}, {}},
     std::nullopt},
    {"the eye inside a box meets it at once", {{boxAt(6, 1), boxAt(0, 4)}, {}}, 4},
    {"a nearer text", {{boxAt(8, 1)}, {textAt(3, 5)}}, 5},
    {"a farther text", {{boxAt(3, 1)}, {textAt(8, 5)}}, 1},
    {"shapes before texts at equal distances", {{boxAt(3.5, 1)}, {textAt(4.5, 5, "hello")}}, 1},
};

} // namespace

// The accumulator and pickRow, which offers it a world's shapes and then its texts, agree.
TEST(NearestHit, NearestRowTiesToTheFirstOffered) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        NearestHit hit(kAlongX);
        for (const ShapeInstance& shape : c.world.shapes)
            hit.offerShape(shape.mesh, shape.place, shape.row);
        for (const TextInstance& text : c.world.texts)
            hit.offerText(text);
        EXPECT_EQ(hit.row(), c.row);
        EXPECT_EQ(pickRow(c.world, kAlongX), c.row);
    }
}
