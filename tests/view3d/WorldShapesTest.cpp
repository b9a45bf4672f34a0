#include "view3d/WorldShapes.h"
#include "view3d/Picking.h"

#include "map/SymbolCall.h"
#include "scene/Catalogue.h"
#include "vrml/ModelParts.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace norvane;

namespace {

void expectNear(Vec3 actual, Vec3 expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
    EXPECT_NEAR(actual.z, expected.z, 1e-9);
}

WorldShapes shapesOf(std::initializer_list<SceneObject> rows) {
    Scene scene;
    for (const SceneObject& row : rows)
        scene.append(row);
    return sceneShapes(scene);
}

} // namespace

// Every triangle of the closed unit meshes turns its front outwards, and normals are unit long.
TEST(Meshes, UnitPrimitivesFaceOutwards) {
    for (int mesh : {kBoxMesh, kCylinderMesh, kConeMesh, kSphereMesh}) {
        const Mesh& m = meshKit()[static_cast<std::size_t>(mesh)];
        for (std::size_t i = 0; i < m.indices.size(); i += 3) {
            Vec3 p[3];
            for (int k = 0; k < 3; ++k) {
                const float* v = m.vertices[m.indices[i + k]].position;
                p[k] = {v[0], v[1], v[2]};
            }
            const Vec3 facing = cross(p[1] - p[0], p[2] - p[0]);
            ASSERT_GT(dot(facing, p[0] + p[1] + p[2]), 0.0) << "mesh " << mesh << " tri " << i;
        }
        for (const MeshVertex& v : m.vertices)
            ASSERT_NEAR(std::hypot(v.normal[0], v.normal[1], v.normal[2]), 1.0, 1e-6);
    }
    expectNear(meshKit()[kBoxMesh].highest(), {0.5, 0.5, 0.5});
    expectNear(meshKit()[kCylinderMesh].lowest(), {-1, -0.5, -1});
}

// A tree at map (20, 30) turned by 3.14: the crown cone sits 3 m above its frame, scaled to
// radius 0.5 and height 4, green and textured with the leaves; the stem's texture is turned.
TEST(WorldShapes, TreeFollowsItsModelAndPlace) {
    const WorldShapes w = shapesOf({{"Tree", " 20", " 30", "0", "", ""}});
    ASSERT_EQ(w.shapes.size(), 3u); // ground, crown, stem
    const ShapeInstance& crown = w.shapes[1];
    EXPECT_EQ(crown.mesh, kConeMesh);
    EXPECT_EQ(crown.row, 0);
    expectNear(crown.place.point({}), {-30, 3.03, -20});
    expectNear(crown.place.direction({1, 1, 0}), {0.5, 4, 0});
    EXPECT_TRUE(crown.paint.lit);
    EXPECT_EQ(crown.paint.texture, 1);
    EXPECT_FLOAT_EQ(crown.paint.colour[1], 0.7f);
    EXPECT_FLOAT_EQ(w.shapes[2].paint.texRotation, 1.57f);
    EXPECT_EQ(w.shapes[0].row, -1);
    EXPECT_FLOAT_EQ(w.shapes[0].paint.texScale[0], 72.0f);
}

// Each furnished kind draws one shape per part of its model, and its texts; area kinds their
// slabs; text kinds their text; rows the world cannot hold draw nothing.
TEST(WorldShapes, EveryKindDrawsWhatItsWorldHolds) {
    for (const KindInfo& kind : kCatalogue) {
        SCOPED_TRACE(kind.name);
        const bool area = kind.shape == Shape::Area;
        const WorldShapes w =
            shapesOf({area ? SceneObject{std::string(kind.name), "30", "20", "10", "40", ""}
                           : SceneObject{std::string(kind.name), " 5", " 6", "1.57", "", "Hi"}});
        std::size_t expected = area ? (kind.name == "Floor/Ceiling" ? 2 : 1) : 0;
        if (kind.libraryEntry >= 0)
            expected = modelShapes(static_cast<std::size_t>(kind.libraryEntry)).shapes.size();
        EXPECT_EQ(w.shapes.size(), expected + 1);
        EXPECT_EQ(w.texts.size(), kind.isText ? 1u : (kind.name == "Speed Limit Sign" ? 2u : 0u));
    }
    for (const SceneObject& damaged : {SceneObject{"tree", " 5", " 6", "0", "", ""},
                                       {"Tree", "x", " 6", "0", "", ""},
                                       {"Bench", " 5", " 6", "north", "", ""},
                                       {"Wall", "1", "2", "3", "1e39", ""}})
        EXPECT_EQ(shapesOf({damaged}).shapes.size(), 1u) << damaged.kind;
}

// The 3D view turns a point object the way the map draws it: a text's reading direction in the
// world (X, Z) is the direction of its line on the map (X, Y), counterclockwise from above.
TEST(WorldShapes, TurnsAsTheMapDraws) {
    for (const char* angle : {"0.7854", "1", "-0.5236", "2.5"}) {
        SCOPED_TRACE(angle);
        const SceneObject row{"Text (Big)", " 50", " 50", angle, "", "Hi"}; // a line 1 m long
        const Vec3 reading = shapesOf({row}).texts[0].place.direction({1, 0, 0});
        const MapSymbol& symbol = *findSymbol(row.kind);
        const auto& line = symbolCall(row, symbol, *figureFor(symbol, row)).values;
        EXPECT_NEAR(reading.x, line[2] - line[0], 1e-5);
        EXPECT_NEAR(reading.z, line[3] - line[1], 1e-5);
    }
}

// Reversed corners give the same slab; the shrubbery's texture repeats three times a metre.
TEST(WorldShapes, AreasCoverTheirRectangle) {
    const WorldShapes w =
        shapesOf({{"Wall", "30", "20", "10", "40", ""}, {"Shrubbery", "10", "20", "30", "40", ""}});
    expectNear(w.shapes[1].place.point({}), {-30, 0.5, -20});
    expectNear(w.shapes[1].place.direction({1, 1, 1}), {20, 1, 20});
    EXPECT_EQ(w.shapes[2].mesh, kSphereMesh);
    expectNear(w.shapes[2].place.direction({1, 1, 1}), {10, 0.15, 10});
    EXPECT_FLOAT_EQ(w.shapes[2].paint.texScale[0], 60.0f);
}

// From the start, a car straight ahead is hit before a house behind it; the ground is never a
// row, and a ray over everything hits nothing.
TEST(Picking, NearestRowAlongTheRay) {
    const WorldShapes w = shapesOf({{"House", " 50", " 40", "0", "", ""},
                                    {"Car (Red)", " 50", " 80", "0", "", ""},
                                    {"Text (Big)", " 40", " 80", "0", "", "Welcome"}});
    const Vec3 eye{0, 0.5, 46};
    EXPECT_EQ(pickRow(w, {eye, {0, -0.3, -46 + 30}}), 1);
    EXPECT_EQ(pickRow(w, {eye, {0, 1, -36}}), 0);
    EXPECT_EQ(pickRow(w, {eye, {-10, 2, -16}}), 2);
    EXPECT_EQ(pickRow(w, {eye, {0, 1, 0}}), std::nullopt);
    EXPECT_EQ(pickRow(w, {eye, {0, -1, 0}}), std::nullopt);
}
