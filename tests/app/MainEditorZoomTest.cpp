// Zoom commands, scroll bars and the selection marker's screen size on the main window.
#include "EditorHarness.h"

#include <QAction>
#include <QScrollBar>

#include <memory>

namespace {

const QColor kGreen(0, 192, 0);

struct Zoom {
    const char* name;
    QList<int> steps;      // zoom commands chosen in turn
    QPoint scrolledBefore; // scroll bar values set before the last step
    int checked, pixels, maximum;
    int arrow, page; // arrow -1: not checked
};

const Zoom kZooms[] = {
    {"start", {}, {}, 100, 363, 0, -1, -1},
    {"200%", {200}, {}, 200, 726, 5355, 544, 1089},
    {"400%", {400}, {}, 400, 1452, 16245, 1089, 2178},
    {"400% then 200%", {400, 200}, {}, 200, 726, 5355, 544, 1089},
    {"200% scrolled, 200% again", {200, 200}, {5355, 1000}, 200, 726, 5355, 544, 1089},
    // At 100 % the steps are not set: they keep the last values.
    {"400% scrolled, then 100%", {400, 100}, {16245, 8000}, 100, 363, 0, 1089, 2178},
};

struct Scroll {
    const char* name;
    int percent;
    QAbstractSlider::SliderAction horizontal, vertical;
    QPoint offsetTwips, offsetPixels;
};

using A = QAbstractSlider;
const Scroll kScrolls[] = {
    {"200% right arrow, down page",
     200,
     A::SliderSingleStepAdd,
     A::SliderPageStepAdd,
     {-544, -1089},
     {-36, -73}},
    {"200% horizontal maximum", 200, A::SliderToMaximum, A::SliderNoAction, {-5355, 0}, {-357, 0}},
    {"400% page right, bottom",
     400,
     A::SliderPageStepAdd,
     A::SliderToMaximum,
     {-2178, -16245},
     {-145, -1083}},
    {"400% arrow down", 400, A::SliderNoAction, A::SliderSingleStepAdd, {0, -1089}, {0, -73}},
};

} // namespace

class MainEditorZoomTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorHarness> h;
    MainEditor& editor() { return h->editor; }
    void zoomTo(int percent) {
        editor().findChild<QAction*>(QStringLiteral("mnu%1Item").arg(percent))->trigger();
    }

private slots:
    void init() { h = std::make_unique<EditorHarness>(); }
    void cleanup() { h.reset(); }

    // Each zoom command resizes the map, redraws it and sets the scroll bars back to the start.
    void zoomSetsSurfaceAndScrollBars_data() { addCases(kZooms); }
    void zoomSetsSurfaceAndScrollBars() {
        const Zoom& c = fetchCase<Zoom>();
        for (int i = 0; i < c.steps.size(); ++i) {
            if (i + 1 == c.steps.size() && !c.scrolledBefore.isNull()) {
                editor().HScroll1->setValue(c.scrolledBefore.x());
                editor().VScroll1->setValue(c.scrolledBefore.y());
            }
            zoomTo(c.steps[i]);
        }
        for (int percent : {100, 200, 400}) {
            const auto* item =
                editor().findChild<QAction*>(QStringLiteral("mnu%1Item").arg(percent));
            QCOMPARE(item->isChecked(), percent == c.checked);
        }
        QCOMPARE(editor().surfaceTwips(), c.pixels * 15);
        QCOMPARE(editor().Picture1->geometry(), QRect(0, 0, c.pixels, c.pixels));
        QCOMPARE(editor().Picture1->image().size(), QSize(c.pixels, c.pixels));
        for (QScrollBar* bar : {editor().HScroll1, editor().VScroll1}) {
            QCOMPARE(bar->minimum(), 0);
            QCOMPARE(bar->maximum(), c.maximum);
            QCOMPARE(bar->value(), 0);
            if (c.arrow >= 0) {
                QCOMPARE(bar->singleStep(), c.arrow);
                QCOMPARE(bar->pageStep(), c.page);
            }
        }
        QCOMPARE(h->colourAt(h->pixelOf(10, 10)), kGreen);
        QVERIFY(h->colourAt(h->pixelOf(50, 96)) != kGreen); // the start marker
    }

    void scrollingMovesTheSurface_data() { addCases(kScrolls); }
    void scrollingMovesTheSurface() {
        const Scroll& c = fetchCase<Scroll>();
        zoomTo(c.percent);
        editor().HScroll1->triggerAction(c.horizontal);
        editor().VScroll1->triggerAction(c.vertical);
        QCOMPARE(editor().HScroll1->value(), -c.offsetTwips.x());
        QCOMPARE(editor().VScroll1->value(), -c.offsetTwips.y());
        QCOMPARE(editor().Picture1->pos(), c.offsetPixels);
    }

    void scrollingHidesTheCrossHair() {
        zoomTo(200);
        h->drag(QPoint(100, 100), QPoint(120, 100), Qt::RightButton);
        QVERIFY(editor().XLine->isVisible());
        editor().VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QVERIFY(!editor().XLine->isVisible());
        QVERIFY(!editor().YLine->isVisible());
    }

    void zoomKeepsStoredTexts() {
        zoomTo(200);
        h->place("Tree", QPoint(300, 400));
        const Row placed = h->rows().value(0);
        QCOMPARE(placed.mid(1, 2), (QStringList{" 41.32232", " 55.09642"}));
        for (int percent : {400, 100, 200}) {
            zoomTo(percent);
            QCOMPARE(h->rows(), QList<Row>{placed});
            QCOMPARE(h->colourAt(h->pixelOf(41.32231, 55.09642)), QColor(0, 125, 0));
        }
        QVERIFY(!editor().Saved);
    }

    // A point's marker is a 200-twip square 95 twips up and left of it at every zoom.
    void pointMarkerIs200TwipsAtEveryZoom() {
        h->place("Bench", QPoint(200, 100));
        const double x = 200 * 100.0 / 363, y = 100 * 100.0 / 363;
        for (int percent : {100, 200, 400, 100}) {
            zoomTo(percent);
            const double twipsPerUnit = editor().surfaceTwips() / 100.0;
            const norvane::MapRect marker = editor().shpSelector->mapRect();
            QVERIFY(editor().shpSelector->isVisible());
            QVERIFY(qAbs(marker.width * twipsPerUnit - 200.0) < 1e-3);
            QVERIFY(qAbs(marker.height * twipsPerUnit - 200.0) < 1e-3);
            QVERIFY(qAbs(marker.left * twipsPerUnit - (x * twipsPerUnit - 95.0)) < 1e-2);
            QVERIFY(qAbs(marker.top * twipsPerUnit - (y * twipsPerUnit - 95.0)) < 1e-2);
            const QSize onScreen = editor().shpSelector->size(); // 200 twips = 13.3 pixels
            QVERIFY2(onScreen.width() >= 13 && onScreen.width() <= 14,
                     qPrintable(QString::number(percent)));
            QVERIFY(onScreen.height() >= 13 && onScreen.height() <= 14);
        }
    }

    void areaMarkerFollowsTheRectangle() {
        h->place("Street", QPoint(36, 72), QPoint(110, 100));
        for (int scale : {1, 2, 4}) {
            zoomTo(scale * 100);
            QCOMPARE(editor().shpSelector->geometry(),
                     QRect(36 * scale, 72 * scale, 74 * scale, 28 * scale));
        }
    }
};

QTEST_MAIN(MainEditorZoomTest)
#include "MainEditorZoomTest.moc"
