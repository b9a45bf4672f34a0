#include "map/SceneEdits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace norvane {
namespace {

Scene sceneOf(std::vector<std::string> names) {
    Scene scene;
    for (const std::string& name : names)
        scene.append({"Tree", " 1", " 2", "0", name, ""});
    return scene;
}

std::vector<std::string> urls(const Scene& scene) {
    std::vector<std::string> out;
    for (const SceneObject& row : scene.rows())
        out.push_back(row.list6);
    return out;
}

TEST(SceneEdits, PlacingAppendsAndSelectsTheNewRow) {
    Scene scene = sceneOf({"a", "b"});
    scene.setSelectedIndex(0);
    EXPECT_EQ(placeObject(scene, {"Tree", " 3", " 4", "0", "c", ""}), 2u);
    EXPECT_EQ(urls(scene), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(scene.selectedIndex(), 2);
}

struct RemovalCase {
    int selected;
    std::vector<std::string> left;
    int selectedAfter;
};

class Removal : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(Removal, SelectsTheFollowingRowOrTheNewLast) {
    const RemovalCase& c = GetParam();
    Scene scene = sceneOf({"a", "b", "c"});
    scene.setSelectedIndex(c.selected);
    EXPECT_TRUE(removeSelected(scene));
    EXPECT_EQ(urls(scene), c.left);
    EXPECT_EQ(scene.selectedIndex(), c.selectedAfter);
}

INSTANTIATE_TEST_SUITE_P(ThreeRows, Removal,
                         ::testing::Values(RemovalCase{0, {"b", "c"}, 0},
                                           RemovalCase{1, {"a", "c"}, 1},
                                           RemovalCase{2, {"a", "b"}, 1}));

TEST(SceneEdits, RemovingTheOnlyRowLeavesNoSelection) {
    Scene scene = sceneOf({"a"});
    scene.setSelectedIndex(0);
    EXPECT_TRUE(removeSelected(scene));
    EXPECT_TRUE(scene.empty());
    EXPECT_EQ(scene.selectedIndex(), -1);
}

TEST(SceneEdits, NothingSelectedRemovesNothing) {
    Scene scene = sceneOf({"a", "b"});
    EXPECT_FALSE(removeSelected(scene));
    EXPECT_EQ(scene.count(), 2u);
    Scene empty;
    EXPECT_FALSE(removeSelected(empty));
}

} // namespace
} // namespace norvane
