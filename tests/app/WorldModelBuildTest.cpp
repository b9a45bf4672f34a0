// The 3D view's world model on big scenes and hidden views: built in slices from the event loop,
// restarted or continued by changes during a build, and in the end equal to a fresh build.
#include "WorldFacts.h"

#include "scenefile/SceneFile.h"

#include <QSignalSpy>
#include <QTest>

#include <string>

namespace {

// `count` trees in rows of 250, each at a place of its own.
std::string treesText(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "Tree\r\n" + std::to_string(i % 250 * 0.4) + "\r\n" +
                std::to_string(i / 250 * 0.4) + "\r\n0\r\n\r\n\r\n";
    return text;
}

const norvane::SceneObject kCar{"Car (Red)", "50", "60", "0", "", ""};
// Straight down on the first tree, the corner of the map.
const norvane::Ray kDownOnFirstTree{{-50, 30, -50}, {0, -1, 0}};

} // namespace

class WorldModelBuildTest : public QObject {
    Q_OBJECT
    const int kTrees = 3 * int(WorldModel::kRowsAtOnce);

private slots:
    // A big scene is built over several turns of the event loop, shown only when done; an edit
    // during the build (a removal and its undo, an append) ends in the right world.
    void bigScenesBuildInSlices() {
        norvane::Scene scene;
        WorldModel world(scene);
        const std::size_t ground = world.shapeCount();
        QSignalSpy progress(&world, &WorldModel::buildProgressed);
        scene = norvane::readSceneText(treesText(kTrees));
        QVERIFY(world.building());
        QVERIFY(!world.pick(kDownOnFirstTree));
        QCOMPARE(factsOf(world).size(), 1u); // the ground alone
        QVERIFY(QTest::qWaitFor([&] { return world.buildPercent() > 0; }));
        const norvane::SceneObject removed = scene.row(7);
        scene.remove(7);
        QCOMPARE(world.buildPercent(), 0);
        QVERIFY(QTest::qWaitFor([&] { return world.buildPercent() > 0; }));
        scene.insert(7, removed); // the rows built have moved: the build starts again
        scene.append(kCar);
        world.setHighlightedRow(7);
        QVERIFY(QTest::qWaitFor([&] { return !world.building(); }, 60'000));
        QVERIFY(progress.count() > 2);
        QVERIFY(world.shapeCount() > ground + std::size_t(kTrees));
        QVERIFY(equalsFreshBuild(world, scene));
        QVERIFY(world.pick(kDownOnFirstTree));
    }

    // Small scenes and single placements are built at once, as before.
    void smallChangesAreBuiltAtOnce() {
        norvane::Scene scene = norvane::readSceneText(treesText(100));
        WorldModel world(scene);
        scene.append(kCar);
        QVERIFY(!world.building());
        QVERIFY(equalsFreshBuild(world, scene));
    }

    // A model that does not follow leaves its world as it was until it follows again, then
    // equals a fresh build, highlight included; hiding during a build stops it.
    void hiddenViewsBuildWhenShown() {
        norvane::Scene scene = norvane::readSceneText(treesText(100));
        WorldModel world(scene);
        const WorldFacts before = factsOf(world);
        world.setFollowing(false);
        scene.remove(3);
        scene.append(kCar);
        world.setHighlightedRow(99);
        QVERIFY(factsOf(world) == before);
        world.setFollowing(true);
        QVERIFY(equalsFreshBuild(world, scene));
        scene = norvane::readSceneText(treesText(kTrees));
        world.setFollowing(false);
        QVERIFY(!world.building());
        world.setFollowing(true);
        QVERIFY(QTest::qWaitFor([&] { return !world.building(); }, 60'000));
        QVERIFY(equalsFreshBuild(world, scene));
    }
};

QTEST_MAIN(WorldModelBuildTest)
#include "WorldModelBuildTest.moc"
