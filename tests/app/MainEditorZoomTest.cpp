// Zoom commands, scroll bars and the selection marker's screen size on the main window.
#include "ScriptedServices.h"
#include "app/MainEditor.h"

#include <QAction>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include <memory>

class MainEditorZoomTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedServices> m_services;
    std::unique_ptr<MainEditor> m_editor;

    MainEditor& editor() { return *m_editor; }
    QAction* zoomAction(int percent) {
        return editor().findChild<QAction*>(QStringLiteral("mnu%1Item").arg(percent));
    }
    void placeAt(const QString& kind, QPoint from, QPoint to) {
        QListWidgetItem* item = editor().List1->findItems(kind, Qt::MatchExactly).front();
        editor().List1->scrollToItem(item);
        QTest::mouseClick(editor().List1->viewport(), Qt::LeftButton, {},
                          editor().List1->visualItemRect(item).center());
        QTest::mousePress(editor().Picture1, Qt::LeftButton, {}, from);
        QTest::mouseRelease(editor().Picture1, Qt::LeftButton, {}, to);
    }

private slots:
    void init() {
        m_services = std::make_unique<ScriptedServices>();
        m_editor = std::make_unique<MainEditor>(m_services->services());
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    }
    void cleanup() {
        m_editor.reset();
        m_services.reset();
    }

    void startsAt100Percent();
    void zoomSetsSurfaceAndScrollBars_data();
    void zoomSetsSurfaceAndScrollBars();
    void scrollingMovesTheSurface_data();
    void scrollingMovesTheSurface();
    void zoomAgainResetsScrolling();
    void backTo100ShowsTheWholeMap();
    void scrollingHidesTheCrossHair();
    void zoomKeepsStoredTexts();
    void pointMarkerIs200TwipsAtEveryZoom();
    void areaMarkerFollowsTheRectangle();
};

void MainEditorZoomTest::startsAt100Percent() {
    QVERIFY(zoomAction(100)->isChecked());
    QVERIFY(!zoomAction(200)->isChecked());
    QCOMPARE(editor().surfaceTwips(), 5445);
    QCOMPARE(editor().Picture1->geometry(), QRect(0, 0, 363, 363));
    QCOMPARE(editor().Picture2->size(), QSize(369, 369));
    for (QScrollBar* bar : {editor().HScroll1, editor().VScroll1}) {
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 0);
    }
    // The map shows the background and the start marker from the start.
    const QImage& map = editor().Picture1->image();
    QCOMPARE(map.size(), QSize(363, 363));
    QCOMPARE(map.pixelColor(10, 10), QColor(0, 192, 0));
    QVERIFY(map.pixelColor(181, 348) != QColor(0, 192, 0));
}

void MainEditorZoomTest::zoomSetsSurfaceAndScrollBars_data() {
    QTest::addColumn<QList<int>>("steps"); // zoom commands chosen in turn; the last one counts
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("arrow");
    QTest::addColumn<int>("page");
    QTest::newRow("200%") << QList<int>{200} << 726 << 10890 << 5355 << 544 << 1089;
    QTest::newRow("400%") << QList<int>{400} << 1452 << 21780 << 16245 << 1089 << 2178;
    QTest::newRow("400% then 200%") << QList<int>{400, 200} << 726 << 10890 << 5355 << 544 << 1089;
    // At 100 % the steps are not set: they keep the last values.
    QTest::newRow("400% then 100%") << QList<int>{400, 100} << 363 << 5445 << 0 << 1089 << 2178;
}

void MainEditorZoomTest::zoomSetsSurfaceAndScrollBars() {
    QFETCH(QList<int>, steps);
    QFETCH(int, pixels);
    QFETCH(int, twips);
    QFETCH(int, maximum);
    QFETCH(int, arrow);
    QFETCH(int, page);
    for (int percent : steps)
        zoomAction(percent)->trigger();
    for (int percent : {100, 200, 400})
        QCOMPARE(zoomAction(percent)->isChecked(), percent == steps.back());
    QCOMPARE(editor().surfaceTwips(), twips);
    QCOMPARE(editor().Picture1->geometry(), QRect(0, 0, pixels, pixels));
    QCOMPARE(editor().Picture1->image().size(), QSize(pixels, pixels));
    QCOMPARE(editor().surfaceOffsetTwips(), QPoint(0, 0));
    for (QScrollBar* bar : {editor().HScroll1, editor().VScroll1}) {
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), maximum);
        QCOMPARE(bar->singleStep(), arrow);
        QCOMPARE(bar->pageStep(), page);
        QCOMPARE(bar->value(), 0);
    }
}

void MainEditorZoomTest::scrollingMovesTheSurface_data() {
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("horizontal"); // QAbstractSlider::SliderAction
    QTest::addColumn<int>("vertical");
    QTest::addColumn<QPoint>("offsetTwips");
    QTest::addColumn<QPoint>("offsetPixels");
    using A = QAbstractSlider;
    QTest::newRow("200% right arrow, down page")
        << 200 << int(A::SliderSingleStepAdd) << int(A::SliderPageStepAdd) << QPoint(-544, -1089)
        << QPoint(-36, -73);
    QTest::newRow("200% horizontal maximum")
        << 200 << int(A::SliderToMaximum) << int(A::SliderNoAction) << QPoint(-5355, 0)
        << QPoint(-357, 0);
    QTest::newRow("400% page right, bottom")
        << 400 << int(A::SliderPageStepAdd) << int(A::SliderToMaximum) << QPoint(-2178, -16245)
        << QPoint(-145, -1083);
    QTest::newRow("400% arrow down") << 400 << int(A::SliderNoAction) << int(A::SliderSingleStepAdd)
                                     << QPoint(0, -1089) << QPoint(0, -73);
}

void MainEditorZoomTest::scrollingMovesTheSurface() {
    QFETCH(int, percent);
    QFETCH(int, horizontal);
    QFETCH(int, vertical);
    QFETCH(QPoint, offsetTwips);
    QFETCH(QPoint, offsetPixels);
    zoomAction(percent)->trigger();
    editor().HScroll1->triggerAction(QAbstractSlider::SliderAction(horizontal));
    editor().VScroll1->triggerAction(QAbstractSlider::SliderAction(vertical));
    QCOMPARE(editor().HScroll1->value(), -offsetTwips.x());
    QCOMPARE(editor().VScroll1->value(), -offsetTwips.y());
    QCOMPARE(editor().surfaceOffsetTwips(), offsetTwips);
    QCOMPARE(editor().Picture1->pos(), offsetPixels);
}

void MainEditorZoomTest::zoomAgainResetsScrolling() {
    zoomAction(200)->trigger();
    editor().HScroll1->setValue(5355);
    editor().VScroll1->setValue(1000);
    zoomAction(200)->trigger();
    QVERIFY(zoomAction(200)->isChecked());
    QCOMPARE(editor().HScroll1->value(), 0);
    QCOMPARE(editor().VScroll1->value(), 0);
    QCOMPARE(editor().surfaceOffsetTwips(), QPoint(0, 0));
    QCOMPARE(editor().Picture1->pos(), QPoint(0, 0));
}

void MainEditorZoomTest::backTo100ShowsTheWholeMap() {
    zoomAction(400)->trigger();
    editor().HScroll1->setValue(16245);
    editor().VScroll1->setValue(8000);
    zoomAction(100)->trigger();
    QCOMPARE(editor().Picture1->geometry(), QRect(0, 0, 363, 363));
    QCOMPARE(editor().surfaceOffsetTwips(), QPoint(0, 0));
    QCOMPARE(editor().HScroll1->maximum(), 0);
    QCOMPARE(editor().VScroll1->value(), 0);
}

void MainEditorZoomTest::scrollingHidesTheCrossHair() {
    zoomAction(200)->trigger();
    QTest::mousePress(editor().Picture1, Qt::RightButton, {}, QPoint(100, 100));
    QTest::mouseMove(editor().Picture1, QPoint(120, 100));
    QTest::mouseRelease(editor().Picture1, Qt::RightButton, {}, QPoint(120, 100));
    QVERIFY(editor().XLine->isVisible());
    editor().VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QVERIFY(!editor().XLine->isVisible());
    QVERIFY(!editor().YLine->isVisible());
}

void MainEditorZoomTest::zoomKeepsStoredTexts() {
    zoomAction(200)->trigger();
    placeAt("Tree", QPoint(300, 400), QPoint(300, 400)); // map (41.32232, 55.09642)
    const norvane::SceneObject placed = editor().scene().row(0);
    QCOMPARE(QString::fromStdString(placed.list3), QString(" 41.32232"));
    QCOMPARE(QString::fromStdString(placed.list4), QString(" 55.09642"));
    for (int percent : {400, 100, 200}) {
        zoomAction(percent)->trigger();
        QCOMPARE(editor().scene().row(0), placed);
        const QImage& map = editor().Picture1->image();
        const QPoint tree(int(41.32231 * map.width() / 100), int(55.09642 * map.height() / 100));
        QCOMPARE(map.pixelColor(tree), QColor(0, 125, 0));
    }
    QVERIFY(!editor().Saved);
}

void MainEditorZoomTest::pointMarkerIs200TwipsAtEveryZoom() {
    placeAt("Bench", QPoint(200, 100), QPoint(200, 100));
    const double x = 200 * 100.0 / 363, y = 100 * 100.0 / 363;
    for (int percent : {100, 200, 400, 100}) {
        zoomAction(percent)->trigger();
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

void MainEditorZoomTest::areaMarkerFollowsTheRectangle() {
    placeAt("Street", QPoint(36, 72), QPoint(110, 100));
    for (int percent : {100, 200, 400}) {
        zoomAction(percent)->trigger();
        const int scale = percent / 100;
        QCOMPARE(editor().shpSelector->geometry(),
                 QRect(36 * scale, 72 * scale, 74 * scale, 28 * scale));
    }
}

QTEST_MAIN(MainEditorZoomTest)
#include "MainEditorZoomTest.moc"
