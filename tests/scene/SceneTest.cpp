#include "scene/Scene.h"
#include "scene/Error.h"

#include <gtest/gtest.h>

using norvane::Scene;

// Order, removal and anchors are checked through the writers and the main window; these are
// the container's limits.
TEST(Scene, OutOfRangeRowsThrow) {
    Scene scene;
    scene.append({"Tree", " 1", " 50", "0", "", ""});
    EXPECT_THROW(scene.row(1), norvane::Error);
    EXPECT_THROW(scene.remove(1), norvane::Error);
    EXPECT_EQ(scene.count(), 1u);
}

TEST(Scene, SelectionIsClampedToExistingRows) {
    Scene scene;
    scene.append({"Tree", " 1", " 50", "0", "", ""});
    scene.setSelectedIndex(0);
    EXPECT_EQ(scene.selectedIndex(), 0);
    scene.setSelectedIndex(5);
    EXPECT_EQ(scene.selectedIndex(), -1);
    scene.setSelectedIndex(0);
    scene.clear();
    EXPECT_EQ(scene.selectedIndex(), -1);
    EXPECT_TRUE(scene.empty());
}
