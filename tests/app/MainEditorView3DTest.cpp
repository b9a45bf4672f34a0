// The 3D view dock of the main window. Under Xvfb (OpenGL) it checks the picture and picking;
// on the offscreen platform (no OpenGL) that the dock says so and the editor works as before.
#include "EditorHarness.h"
#include "WorldFacts.h"

#include "render/WalkCamera.h"
#include "render/WorldSnapshot.h"
#include "render/WorldWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QRadioButton>

#include <memory>

namespace {

bool reddish(QColor c) {
    return c.red() > 150 && c.green() < 90 && c.blue() < 90;
}

int redPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += reddish(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

} // namespace

class MainEditorView3DTest : public QObject {
    Q_OBJECT
    std::unique_ptr<EditorHarness> h;

    QImage picture() {
        QCoreApplication::processEvents();
        return h->editor.worldWindow->grabWindow();
    }

private slots:
    void init() { h = std::make_unique<EditorHarness>(); }
    void cleanup() { h.reset(); }

    // F3 hides and shows the dock; it is shown at start.
    void dockFollowsTheViewMenu() {
        QVERIFY(h->editor.dock3D->isVisible());
        QCOMPARE(h->editor.mnu3DViewItem->shortcut(), QKeySequence(Qt::Key_F3));
        h->editor.mnu3DViewItem->trigger();
        QVERIFY(!h->editor.dock3D->isVisible());
        h->editor.mnu3DViewItem->trigger();
        QVERIFY(h->editor.dock3D->isVisible());
    }

    // Without OpenGL the dock holds one line saying so, and placing still works.
    void withoutOpenGLTheDockSaysSo() {
        if (canDraw3D())
            QSKIP("this display draws 3D");
        QVERIFY(!h->editor.worldWindow);
        QVERIFY(h->editor.dock3D->findChild<QLabel*>("noOpenGL"));
        h->place("Tree", {100, 100});
        QCOMPARE(h->editor.scene().count(), 1u);
    }

    // A red car placed ahead of the start turns up at once; removing it takes it away; a click
    // on it in the view selects its row.
    void placementRemovalAndPicking() {
        if (!canDraw3D())
            QSKIP("no OpenGL on this display");
        QCOMPARE(redPixels(picture()), 0);
        h->editor.OptLeft->click();
        h->place("Car (Red)", h->pixelOf(50, 88));
        h->place("Tree", h->pixelOf(20, 20));
        const QImage withCar = picture();
        QVERIFY(redPixels(withCar) > 20);
        QPoint car;
        for (int y = 0; y < withCar.height() && car.isNull(); ++y)
            for (int x = 0; x < withCar.width() && car.isNull(); ++x)
                if (reddish(withCar.pixelColor(x, y)))
                    car = {x + 1, y + 1};
        const qreal scale = withCar.width() / qreal(h->editor.worldWindow->width());
        const QPoint at = (QPointF(car) / scale).toPoint();
        QTest::mouseClick(h->editor.worldWindow, Qt::LeftButton, {}, at);
        QCOMPARE(currentRow(h->editor.List2), 0);
        h->run("Command5");
        QTRY_COMPARE(redPixels(picture()), 0);
    }

    // A quarter turn of the selected car shows at once; undo shows it as it was.
    void turningShowsAtOnce() {
        if (!canDraw3D())
            QSKIP("no OpenGL on this display");
        h->place("Car (Red)", h->pixelOf(50, 88));
        const QImage before = picture();
        h->run("mnuTurnQuarterItem");
        QCOMPARE(h->editor.scene().row(0).list5, "1.57");
        QTRY_VERIFY(picture() != before);
        h->run("mnuUndoItem");
        QTRY_COMPARE(picture(), before);
    }

    // While the dock is hidden the view builds nothing; shown again, it shows and picks what a
    // fresh build does, the selected row highlighted.
    void hiddenDockCatchesUpWhenShown() {
        if (!canDraw3D())
            QSKIP("no OpenGL on this display");
        const WorldModel& world = h->editor.worldWindow->world();
        h->place("Tree", h->pixelOf(20, 20));
        const std::size_t shapes = world.shapeCount();
        h->editor.mnu3DViewItem->trigger();
        h->place("Car (Red)", h->pixelOf(50, 88));
        h->place("Tree", h->pixelOf(0, 0));
        h->run("Command5"); // a change other than an append
        QCOMPARE(world.shapeCount(), shapes);
        h->editor.mnu3DViewItem->trigger();
        QCOMPARE(world.highlightedRow(), currentRow(h->editor.List2));
        QVERIFY(world.shapeCount() > shapes);
        QVERIFY(equalsFreshBuild(world, h->editor.scene()));
    }

    // Keys walk, turn, rise and go home; a drag looks up; resting on an anchored car shows its
    // URL in the hint line.
    void walkingAndHovering() {
        if (!canDraw3D())
            QSKIP("no OpenGL on this display");
        WorldWindow* view = h->editor.worldWindow;
        const WalkCamera& eye = view->camera();
        const auto keys = [view](std::initializer_list<Qt::Key> list) {
            for (Qt::Key key : list)
                QTest::keyClick(view, key);
        };
        keys({Qt::Key_Up, Qt::Key_W, Qt::Key_PageUp});
        QCOMPARE(eye.position(), QVector3D(0, 0.75f, 45));
        keys({Qt::Key_Left, Qt::Key_D, Qt::Key_A});
        QVERIFY(eye.forward().x() < -0.05f);
        keys({Qt::Key_Home});
        QCOMPARE(eye.position(), QVector3D(0, 0.5f, 46));
        QTest::mousePress(view, Qt::LeftButton, {}, {200, 200});
        QTest::mouseMove(view, {200, 150});
        QTest::mouseRelease(view, Qt::LeftButton, {}, {200, 150});
        QVERIFY(eye.forward().y() > 0.1f);
        keys({Qt::Key_Home});
        h->scripted.promptAnswers.push_back("http://example.com/car");
        h->editor.Check1->setChecked(true);
        h->editor.OptLeft->click();
        h->place("Car (Red)", h->pixelOf(50, 88));
        h->place("Tree", h->pixelOf(20, 20)); // the car, no longer selected, shows its red
        const QImage picture = this->picture();
        const qreal scale = picture.width() / qreal(view->width());
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (reddish(picture.pixelColor(x, y))) {
                    QTest::mouseMove(view, (QPointF(x + 1, y + 1) / scale).toPoint());
                    QTRY_COMPARE(view->hoverText(), QStringLiteral("http://example.com/car"));
                    return;
                }
        QFAIL("the car is not in the picture");
    }
};

QTEST_MAIN(MainEditorView3DTest)
#include "MainEditorView3DTest.moc"
