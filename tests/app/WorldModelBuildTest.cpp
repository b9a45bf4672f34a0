// The 3D view's world model on big scenes: built in slices from the event loop, restarted or
// continued by changes during a build, and in the end equal to a fresh build.
#include "WorldFacts.h"

#include "scenefile/SceneFile.h"

#include <QSignalSpy>
#include <QTest>

#include <string>

namespace {

// Five times the rows built at once, taking several slices, in rows of 250 trees 0.4 m apart from
// the map's corner.
norvane::Scene manyTrees() {
    std::string text;
    for (int i = 0; i < 5 * int(WorldModel::kRowsAtOnce); ++i)
        text += "Tree\r\n" + std::to_string(i % 250 * 0.4) + "\r\n" +
                std::to_string(i / 250 * 0.4) + "\r\n0\r\n\r\n\r\n";
    return norvane::readSceneText(text);
}

} // namespace

class WorldModelBuildTest : public QObject {
    Q_OBJECT

private slots:
    // Nothing is picked until the build is done; hiding stops it; a removal and its undo during
    // the build start it again (the rows built have moved), an append continues it.
    void bigScenesBuildInSlices() {
        norvane::Scene scene;
        WorldModel world(scene);
        QSignalSpy progress(&world, &WorldModel::buildProgressed);
        scene = manyTrees();
        QVERIFY(world.building());
        QVERIFY(!world.pick({{-50, 30, -50}, {0, -1, 0}}));
        const auto midway = [&] { return world.buildPercent() > 0; };
        QVERIFY(QTest::qWaitFor(midway) && world.building());
        world.setFollowing(false); // hidden midway: stopped, built again when shown
        QVERIFY(!world.building());
        world.setFollowing(true);
        QVERIFY(QTest::qWaitFor(midway) && world.building());
        const norvane::SceneObject removed = scene.row(7);
        scene.remove(7);
        QCOMPARE(world.buildPercent(), 0);
        QVERIFY(QTest::qWaitFor(midway) && world.building());
        scene.insert(7, removed);
        scene.append({"Car (Red)", "50", "60", "0", "", ""});
        world.setHighlightedRow(7);
        QVERIFY(QTest::qWaitFor([&] { return !world.building(); }, 60'000));
        QVERIFY(progress.count() > 2);
        QVERIFY(world.pick({{-50, 30, -50}, {0, -1, 0}}));
        QVERIFY(equalsFreshBuild(world, scene));
    }
};

QTEST_MAIN(WorldModelBuildTest)
#include "WorldModelBuildTest.moc"
