#include "scene/Error.h"
#include "scene/Scene.h"

#include <gtest/gtest.h>

#include <cstring>
#include <span>
#include <vector>

using namespace norvane;

namespace {

struct Recorder : SceneListener {
    std::vector<SceneChange> changes;
    void sceneChanged(const SceneChange& change) override { changes.push_back(change); }
};

} // namespace

// Each row operation tells its listeners what it did; replacing the whole scene is a Reset that
// keeps the listener, and a removed listener hears nothing more.
TEST(SceneChange, EveryRowOperationIsReported) {
    using K = SceneChange::Kind;
    Scene scene;
    Recorder recorder;
    scene.addListener(&recorder);
    scene.append({"Tree", " 1", " 2", "0", "", ""});
    scene.append({"Bench", " 3", " 4", "0", "", ""});
    scene.remove(0);
    scene.setSelectedIndex(0);
    scene.insert(0, {"Wall", "1", "2", "3", "4", ""});
    EXPECT_EQ(scene.selectedIndex(), 1); // the selection stays with its object
    scene.replace(1, {"Tree", " 5", " 6", "0", "", ""});
    EXPECT_EQ(scene.row(1).list3, " 5");
    EXPECT_THROW(scene.insert(3, {}), Error);
    EXPECT_THROW(scene.replace(2, {}), Error);
    Scene other;
    other.append({"Wall", "1", "2", "3", "4", ""});
    scene = other;
    scene = Scene{};
    scene.clear();
    scene.removeListener(&recorder);
    scene.append({"Tree", " 1", " 2", "0", "", ""});
    const std::vector<SceneChange> expected{
        {K::Inserted, 0, 1}, {K::Inserted, 1, 1}, {K::Removed, 0, 1}, {K::Inserted, 0, 1},
        {K::Changed, 1, 1},  {K::Reset},          {K::Reset},         {K::Reset}};
    EXPECT_EQ(recorder.changes, expected);
    EXPECT_EQ(Scene(scene).count(), 1u);
}

// Rows laid out at once are one insertion; a layout that fails adds nothing and tells no one.
TEST(SceneChange, RowsLaidOutAtOnceAreOneInsertion) {
    Scene scene;
    Recorder recorder;
    scene.addListener(&recorder);
    scene.append({"Tree", " 1", " 2", "0", "", ""});
    EXPECT_THROW(scene.appendLaidOut(5, 10, [](char*, std::span<PackedRow>) { throw Error("x"); }),
                 Error);
    scene.appendLaidOut(2, 8, [](char* texts, std::span<PackedRow> rows) {
        std::memcpy(texts, "WallHere", 8);
        rows[0] = {texts, {4, 4, 4, 4, 4, 4}};
        rows[1] = {texts + 4, {4, 4, 4, 4, 4, 4}};
    });
    EXPECT_EQ(scene.count(), 3u);
    EXPECT_EQ(scene.row(2), (SceneObject{"Here", "", "", "", "", ""}));
    const std::vector<SceneChange> expected{{SceneChange::Kind::Inserted, 0, 1},
                                            {SceneChange::Kind::Inserted, 1, 2}};
    EXPECT_EQ(recorder.changes, expected);
}
