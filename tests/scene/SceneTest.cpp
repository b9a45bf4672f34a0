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

// Rows keep their exact bytes while replaced and removed rows are packed away, and in copies
// and moves; a moved-from scene is empty and still takes rows.
TEST(Scene, RowsKeepTheirBytesThroughRepackingCopiesAndMoves) {
    Scene scene;
    const std::string odd("\0\r\xff", 3);
    scene.append({"Tree", " 1", " 50", "0", odd, ""});
    scene.append({"Wall", "1", "2", "3", "4", "u"});
    const std::string big(4096, 'x');
    for (int i = 0; i < 1000; ++i) // 4 MB of dropped texts
        scene.replace(1, {"Wall", big, std::to_string(i), "3", "4", "u"});
    scene.insert(1, scene.row(0));
    scene.remove(0);
    const norvane::SceneObject last{"Wall", big, "999", "3", "4", "u"};
    EXPECT_EQ(scene.row(0), (norvane::SceneObject{"Tree", " 1", " 50", "0", odd, ""}));
    EXPECT_EQ(scene.row(1), last);
    Scene copy(scene);
    Scene moved(std::move(scene));
    EXPECT_TRUE(copy == moved);
    EXPECT_TRUE(scene.empty());
    scene.append(last);
    EXPECT_EQ(scene.row(0), moved.row(1));
}
