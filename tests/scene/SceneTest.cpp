#include "scene/Scene.h"
#include "scene/Error.h"

#include <gtest/gtest.h>

using norvane::Scene;
using norvane::SceneObject;

namespace {

SceneObject tree(const char* x) {
    return {"Tree", x, " 50", "0", "", ""};
}

} // namespace

TEST(Scene, AppendKeepsInsertionOrder) {
    Scene scene;
    EXPECT_EQ(scene.append(tree(" 1")), 0u);
    EXPECT_EQ(scene.append(tree(" 2")), 1u);
    ASSERT_EQ(scene.count(), 2u);
    EXPECT_EQ(scene.row(0).list3, " 1");
    EXPECT_EQ(scene.row(1).list3, " 2");
}

TEST(Scene, RemoveShiftsLaterRowsUp) {
    Scene scene;
    for (const char* x : {" 1", " 2", " 3"})
        scene.append(tree(x));
    scene.remove(1);
    ASSERT_EQ(scene.count(), 2u);
    EXPECT_EQ(scene.row(1).list3, " 3");
}

TEST(Scene, RemovingTheOnlyRowLeavesItEmpty) {
    Scene scene;
    scene.append(tree(" 1"));
    scene.setSelectedIndex(0);
    scene.remove(0);
    EXPECT_TRUE(scene.empty());
    EXPECT_EQ(scene.selectedIndex(), -1);
}

TEST(Scene, OutOfRangeRowsThrow) {
    Scene scene;
    EXPECT_THROW(scene.row(0), norvane::Error);
    EXPECT_THROW(scene.remove(0), norvane::Error);
}

TEST(Scene, SelectionIsClampedToExistingRows) {
    Scene scene;
    scene.append(tree(" 1"));
    scene.setSelectedIndex(0);
    EXPECT_EQ(scene.selectedIndex(), 0);
    scene.setSelectedIndex(5);
    EXPECT_EQ(scene.selectedIndex(), -1);
    scene.setSelectedIndex(0);
    scene.clear();
    EXPECT_EQ(scene.selectedIndex(), -1);
    EXPECT_EQ(scene.count(), 0u);
}

TEST(Scene, AnchorUrlComesFromTheKindsColumn) {
    EXPECT_EQ(norvane::anchorUrl({"Tree", " 1", " 2", "0", "a.wrl", ""}), "a.wrl");
    EXPECT_EQ(norvane::anchorUrl({"Street", "1", "2", "3", "4", "b.wrl"}), "b.wrl");
}
