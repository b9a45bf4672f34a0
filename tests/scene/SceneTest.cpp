#include "scene/Scene.h"
#include "scene/Error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using norvane::Scene;
using norvane::SceneObject;

namespace {

Scene treesAt(std::initializer_list<const char*> xs) {
    Scene scene;
    for (const char* x : xs)
        scene.append({"Tree", x, " 50", "0", "", ""});
    return scene;
}

std::vector<std::string> xsOf(const Scene& scene) {
    std::vector<std::string> xs;
    for (const SceneObject& row : scene.rows())
        xs.push_back(row.list3);
    return xs;
}

} // namespace

TEST(Scene, AppendAndRemoveKeepTheOrder) {
    Scene scene = treesAt({" 1", " 2"});
    EXPECT_EQ(scene.append({"Tree", " 3", " 50", "0", "", ""}), 2u);
    scene.remove(1);
    EXPECT_EQ(xsOf(scene), (std::vector<std::string>{" 1", " 3"}));
}

TEST(Scene, OutOfRangeRowsThrow) {
    Scene scene = treesAt({" 1"});
    EXPECT_THROW(scene.row(1), norvane::Error);
    EXPECT_THROW(scene.remove(1), norvane::Error);
    EXPECT_EQ(scene.count(), 1u);
}

TEST(Scene, SelectionIsClampedToExistingRows) {
    Scene scene = treesAt({" 1"});
    scene.setSelectedIndex(0);
    EXPECT_EQ(scene.selectedIndex(), 0);
    scene.setSelectedIndex(5);
    EXPECT_EQ(scene.selectedIndex(), -1);
    scene.setSelectedIndex(0);
    scene.remove(0);
    EXPECT_EQ(scene.selectedIndex(), -1);
    scene = treesAt({" 1"});
    scene.setSelectedIndex(0);
    scene.clear();
    EXPECT_EQ(scene.selectedIndex(), -1);
    EXPECT_TRUE(scene.empty());
}

TEST(Scene, AnchorUrlComesFromTheKindsColumn) {
    EXPECT_EQ(norvane::anchorUrl({"Tree", " 1", " 2", "0", "a.wrl", "text"}), "a.wrl");
    EXPECT_EQ(norvane::anchorUrl({"Street", "1", "2", "3", "4", "b.wrl"}), "b.wrl");
}
