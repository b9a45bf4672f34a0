// The 3D view's world model on big scenes: built in slices from the event loop, restarted or
// continued by changes during a build, and in the end equal to a fresh build.
#include "WorldFacts.h"

#include "render/BatchEntry.h"
#include "render/ShapeBatch.h"
#include "scenefile/SceneFile.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <set>
#include <string>

namespace {

// `count` trees, row i at map point at(i).
norvane::Scene trees(int count, QPointF (*at)(int)) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "Tree\r\n" + std::to_string(at(i).x()) + "\r\n" + std::to_string(at(i).y()) +
                "\r\n0\r\n\r\n\r\n";
    return norvane::readSceneText(text);
}

// Twenty times the rows built at once, in rows of 250 trees 0.4 m apart from the map's corner:
// enough to take several slices of a build on a fast machine.
norvane::Scene manyTrees() {
    return trees(20 * int(WorldModel::kRowsAtOnce),
                 [](int i) { return QPointF(i % 250, i / 250) * 0.4; });
}

// Trees at scattered places of the map: row i at X = 1 + 37 i mod 97, Y = 5 + 53 i mod 89.
constexpr int kTrees = 300;
QPointF treeAt(int row) {
    return {1.0 + row * 37 % 97, 5.0 + row * 53 % 89};
}

// What the renderer gets: the rows (the ground left out), the shapes and those highlighted.
struct Drawn {
    std::set<int> rows;
    int shapes = 0;
    int highlighted = 0;
};
Drawn drawnNow(const WorldModel& world) {
    Drawn drawn;
    for (const BatchEntry* entry : world.batchList().entries()) {
        int count = 0;
        const QByteArray table = entry->batch()->instanceBuffer(&count);
        const auto* entries =
            reinterpret_cast<const QQuick3DInstancing::InstanceTableEntry*>(table.constData());
        for (int i = 0; i < count; ++i, ++drawn.shapes) {
            drawn.rows.insert(entry->batch()->rowOf(entry->batch()->drawnShape(i)));
            drawn.highlighted += entries[i].instanceData.w() != 0.0f;
        }
    }
    drawn.rows.erase(-1);
    return drawn;
}

// The renderer gets the ground and the `count` trees nearest the eye, every shape of them.
bool drawsNearest(const WorldModel& world, QVector3D eye, int count, int ground, int perTree) {
    const Drawn drawn = drawnNow(world);
    double farthestDrawn = 0;
    double nearestLeft = 1e9;
    for (int row = 0; row < kTrees; ++row) {
        const double d = std::hypot(treeAt(row).x() - 50 - eye.x(), treeAt(row).y() - 50 - eye.z());
        if (drawn.rows.count(row))
            farthestDrawn = std::max(farthestDrawn, d);
        else
            nearestLeft = std::min(nearestLeft, d);
    }
    return int(drawn.rows.size()) == count && world.drawnObjects() == count &&
           drawn.shapes == ground + count * perTree && farthestDrawn <= nearestLeft;
}

// Runs the event loop one pass at a time, so at most a slice of a build, until `done` holds or a
// minute has gone; whether it holds. (QTest::qWaitFor runs it for as long as there are events,
// which can be a whole build, so a test could not look at one midway.)
template <typename Predicate> bool stepUntil(Predicate done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 60'000)
        QCoreApplication::processEvents();
    return done();
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
        QVERIFY(stepUntil(midway) && world.building());
        world.setFollowing(false); // hidden midway: stopped, built again when shown
        QVERIFY(!world.building());
        world.setFollowing(true);
        QVERIFY(stepUntil(midway) && world.building());
        const norvane::SceneObject removed = scene.row(7);
        scene.remove(7);
        QCOMPARE(world.buildPercent(), 0);
        QVERIFY(stepUntil(midway) && world.building());
        scene.insert(7, removed);
        scene.append({"Car (Red)", "50", "60", "0", "", ""});
        world.setHighlightedRow(7);
        QVERIFY(QTest::qWaitFor([&] { return !world.building(); }, 60'000));
        QVERIFY(progress.count() > 2);
        QVERIFY(world.pick({{-50, 30, -50}, {0, -1, 0}}));
        QVERIFY(equalsFreshBuild(world, scene));
    }

    // Over the budget the renderer gets the nearest whole rows, chosen again a moment after the
    // eye has moved far; picking finds only those; under it, everything.
    void bigWorldsDrawTheRowsNearestTheEye() {
        norvane::Scene scene;
        WorldModel world(scene);
        const int ground = int(world.shapeCount());
        scene = trees(kTrees, treeAt);
        const int perTree = (int(world.shapeCount()) - ground) / kTrees;
        const QVector3D eye(-20.3f, 1.6f, 10.7f);
        world.setEye(eye);
        world.setMostShapesDrawn(std::size_t(ground + 40 * perTree + perTree - 1));
        QVERIFY(world.limited());
        QVERIFY(drawsNearest(world, eye, 40, ground, perTree));
        for (int row = 0; row < kTrees; ++row) { // straight down on each tree
            const QPointF at = treeAt(row) - QPointF(50, 50);
            const auto picked = world.pick({{at.x(), 30, at.y()}, {0, -1, 0}});
            QVERIFY(picked ? world.isDrawn(*picked) : !world.isDrawn(row));
        }
        const std::set<int> drawn = drawnNow(world).rows;
        world.setHighlightedRow(*drawn.begin());
        QCOMPARE(drawnNow(world).highlighted, perTree);
        int undrawn = 0;
        while (drawn.count(undrawn))
            ++undrawn;
        world.setHighlightedRow(undrawn);
        QCOMPARE(drawnNow(world).highlighted, 0);
        const QVector3D far(30.1f, 1.6f, -35.2f);
        world.setEye(far);
        QVERIFY(drawsNearest(world, eye, 40, ground, perTree)); // not on every step
        QVERIFY(QTest::qWaitFor([&] { return drawsNearest(world, far, 40, ground, perTree); }));
        world.setMostShapesDrawn(WorldModel::kMostShapesDrawn);
        QVERIFY(!world.limited());
        QCOMPARE(drawnNow(world).shapes, int(world.shapeCount()));
    }
};

QTEST_MAIN(WorldModelBuildTest)
#include "WorldModelBuildTest.moc"
