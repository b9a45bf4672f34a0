// Placement, selection and removal on the main window, driven by real mouse events.
#include "ScriptedServices.h"
#include "app/MainEditor.h"

#include "scene/NumberText.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

using Row = QStringList;

namespace {

// Sends a move without any button held, as a hovering pointer does.
void hover(QWidget* widget, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void clickItem(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

Row rowTexts(const norvane::SceneObject& o) {
    return {QString::fromStdString(o.kind),  QString::fromStdString(o.list3),
            QString::fromStdString(o.list4), QString::fromStdString(o.list5),
            QString::fromStdString(o.list6), QString::fromUtf8(o.list7.c_str())};
}

} // namespace

class MainEditorPlacementTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedServices> m_services;
    std::unique_ptr<MainEditor> m_editor;

    MainEditor& editor() { return *m_editor; }
    void chooseKind(const QString& kind) {
        const auto found = editor().List1->findItems(kind, Qt::MatchExactly);
        QVERIFY(found.size() == 1);
        clickItem(editor().List1, editor().List1->row(found.front()));
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(editor().Picture1, button, {}, at);
        QTest::mouseRelease(editor().Picture1, button, {}, at);
    }
    void placeTree(QPoint at) {
        chooseKind("Tree");
        click(at);
    }

private slots:
    void init() {
        m_services = std::make_unique<ScriptedServices>();
        m_editor = std::make_unique<MainEditor>(m_services->services());
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    }
    void cleanup() {
        QVERIFY2(m_services->prompt.answers.empty(), "a scripted answer was not asked for");
        m_editor.reset();
        m_services.reset();
    }

    void placement_data();
    void placement();
    void rubberBandFollowsThePointerRightAndDown();
    void crossHairFollowsAndHides();
    void rightButtonPlacesNothingButCrossHairFollows();
    void completedPlacementIsNotRepeatedByDoubleClick();
    void stoppedPlacementRunsAgainOnSecondReleaseOfDoubleClick();
    void kindHints_data();
    void kindHints();
    void selectingARowFramesIt();
    void removal_data();
    void removal();
    void removalWithoutSelectionDoesNothing();
    void damagedRowIsSkippedAndHidesTheMarker();
};

void MainEditorPlacementTest::placement_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("anchor");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<Row>("expected"); // empty: nothing placed
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<bool>("anchorAfter");
    QTest::addColumn<bool>("pressedAfter");

    const QString url = "Enter URL|VRML Anchor", text = "Enter Text String|Text";
    const QString cafe = QString::fromUtf8("Caf\xC3\xA9");
    struct Case {
        const char* name;
        QString kind, option;
        bool anchor;
        QStringList answers;
        QPoint press, release; // pixels on the 363-pixel map: units = pixels * 100 / 363
        Row expected;
        QStringList asked;
        bool anchorAfter, pressedAfter;
    };
    // clang-format off
    const Case cases[] = {
        {"tree where released", "Tree", "optDown", false, {}, {10, 10}, {181, 363},
         {"Tree", " 49.86226", " 100", "0", "", ""}, {}, false, false},
        {"bench facing left", "Bench", "OptLeft", false, {}, {5, 5}, {1, 33},
         {"Bench", " .2754821", " 9.090909", "-1.57", "", ""}, {}, false, false},
        {"released left of the map", "Fred", "OptUp", false, {}, {5, 100}, {-10, 100},
         {"Fred", "-2.754821", " 27.54821", "3.14", "", ""}, {}, false, false},
        {"street dragged", "Street", "optRight", false, {}, {36, 72}, {110, 72},
         {"Street", "9.917356", "19.83471", "30.30303", "19.83471", ""}, {}, false, false},
        {"wall clicked", "Wall", "optDown", false, {}, {121, 121}, {121, 121},
         {"Wall", "33.33333", "33.33333", "33.33333", "33.33333", ""}, {}, false, false},
        {"wall released outside", "Wall", "optDown", false, {}, {300, 300}, {400, 380},
         {"Wall", "82.64463", "82.64463", "110.1928", "104.6832", ""}, {}, false, false},
        {"wall dragged up", "Wall", "optDown", false, {}, {100, 100}, {150, 50}, {}, {}, false, true},
        {"sidewalk dragged left", "Sidewalk", "optDown", false, {}, {100, 100}, {50, 150}, {}, {},
         false, true},
        {"no kind, anchor ticked", "", "optDown", true, {}, {50, 50}, {50, 50}, {}, {}, true, true},
        {"tree with anchor", "Tree", "optRight", true, {"http://example.com/a b"}, {5, 5}, {363, 33},
         {"Tree", " 100", " 9.090909", "1.57", "http://example.com/a b", ""}, {url}, false, false},
        {"floor with anchor", "Floor/Ceiling", "optDown", true, {"room.html"}, {33, 33}, {363, 363},
         {"Floor/Ceiling", "9.090909", "9.090909", "100", "100", "room.html"}, {url}, false, false},
        {"anchor cancelled", "Street", "optDown", true, {""}, {10, 10}, {100, 100}, {}, {url},
         false, true},
        {"big text", "Text (Big)", "optDown", false, {"Main St"}, {5, 5}, {363, 363},
         {"Text (Big)", " 100", " 100", "0", "", "Main St"}, {text}, false, false},
        {"eye-level text in UTF-8", "Text (Eye-Level)", "OptUp", false, {cafe}, {5, 5}, {33, 33},
         {"Text (Eye-Level)", " 9.090909", " 9.090909", "3.14", "", cafe}, {text}, false, false},
        {"text cancelled loses the url", "Text (Big)", "optDown", true, {"u.html", ""}, {5, 5},
         {10, 10}, {}, {url, text}, false, true},
        {"text after cancelled url not asked", "Text (Eye-Level)", "optDown", true, {""}, {5, 5},
         {10, 10}, {}, {url}, false, true},
    };
    // clang-format on
    for (const Case& c : cases) {
        QTest::newRow(c.name) << c.kind << c.option << c.anchor << c.answers << c.press << c.release
                              << c.expected << c.asked << c.anchorAfter << c.pressedAfter;
    }
}

void MainEditorPlacementTest::placement() {
    QFETCH(QString, kind);
    QFETCH(QString, option);
    QFETCH(bool, anchor);
    QFETCH(QStringList, answers);
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(Row, expected);
    QFETCH(QStringList, asked);
    QFETCH(bool, anchorAfter);
    QFETCH(bool, pressedAfter);

    if (!kind.isEmpty())
        chooseKind(kind);
    editor().findChild<QRadioButton*>(option)->setChecked(true);
    editor().Check1->setChecked(anchor);
    for (const QString& answer : answers)
        m_services->prompt.answers.push_back(answer);

    QTest::mousePress(editor().Picture1, Qt::LeftButton, {}, press);
    QTest::mouseMove(editor().Picture1, release);
    QTest::mouseRelease(editor().Picture1, Qt::LeftButton, {}, release);

    QStringList questions;
    for (const auto& question : m_services->prompt.asked)
        questions << question.prompt + "|" + question.title;
    QCOMPARE(questions, asked);
    QCOMPARE(editor().Check1->isChecked(), anchorAfter);
    QCOMPARE(editor().MapPressed(), pressedAfter);
    QVERIFY(!editor().Shape1->isVisible());
    if (expected.isEmpty()) {
        QCOMPARE(editor().scene().count(), 0u);
        QCOMPARE(editor().List2->count(), 0);
        QVERIFY(editor().Saved);
        QVERIFY(!editor().shpSelector->isVisible());
        return;
    }
    QCOMPARE(editor().scene().count(), 1u);
    QCOMPARE(rowTexts(editor().scene().row(0)), expected);
    QCOMPARE(editor().List2->count(), 1);
    QCOMPARE(editor().List2->item(0)->text(), kind);
    QCOMPARE(editor().List2->currentRow(), 0);
    QVERIFY(editor().List2->item(0)->isSelected());
    QCOMPARE(editor().scene().selectedIndex(), 0);
    QVERIFY(editor().shpSelector->isVisible());
    QVERIFY(!editor().Saved);
}

void MainEditorPlacementTest::rubberBandFollowsThePointerRightAndDown() {
    chooseKind("Shrubbery");
    QTest::mousePress(editor().Picture1, Qt::LeftButton, {}, QPoint(121, 121));
    QVERIFY(editor().Shape1->isVisible());
    QCOMPARE(editor().DragStartX(), 33.33333f);
    QCOMPARE(editor().Shape1->mapRect().width, 1.0f);
    QTest::mouseMove(editor().Picture1, QPoint(242, 100));
    QCOMPARE(editor().Shape1->mapRect().width, 100.0f / 3.0f);
    QCOMPARE(editor().Shape1->mapRect().height, 1.0f);
    QCOMPARE(editor().Shape1->geometry(), QRect(121, 121, 121, 4));
    QTest::mouseMove(editor().Picture1, QPoint(10, 10));
    QCOMPARE(editor().Shape1->mapRect().width, 100.0f / 3.0f);
    QTest::mouseRelease(editor().Picture1, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!editor().Shape1->isVisible());
    QCOMPARE(editor().DragEndX(), float(10 * 100.0 / 363));
    QCOMPARE(editor().scene().count(), 0u);
}

void MainEditorPlacementTest::crossHairFollowsAndHides() {
    QWidget* elsewhere[] = {editor().List1->viewport(), editor().List2->viewport(),
                            editor().centralWidget()};
    for (QWidget* target : elsewhere) {
        hover(editor().Picture1, QPoint(121, 242));
        QVERIFY(editor().XLine->isVisible());
        QVERIFY(editor().YLine->isVisible());
        QCOMPARE(editor().XLine->geometry(), QRect(121, 0, 1, 363));
        QCOMPARE(editor().YLine->geometry(), QRect(0, 242, 363, 1));
        hover(target, QPoint(5, 5));
        QVERIFY2(!editor().XLine->isVisible(), qPrintable(target->objectName()));
        QVERIFY(!editor().YLine->isVisible());
    }
}

void MainEditorPlacementTest::rightButtonPlacesNothingButCrossHairFollows() {
    chooseKind("Tree");
    QTest::mousePress(editor().Picture1, Qt::RightButton, {}, QPoint(50, 50));
    QTest::mouseMove(editor().Picture1, QPoint(60, 70));
    QVERIFY(editor().XLine->isVisible());
    QCOMPARE(editor().XLine->mapRect().left, float(60 * 100.0 / 363));
    QTest::mouseRelease(editor().Picture1, Qt::RightButton, {}, QPoint(60, 70));
    QCOMPARE(editor().scene().count(), 0u);
    QVERIFY(!editor().MapPressed());
    QVERIFY(editor().Saved);
}

void MainEditorPlacementTest::completedPlacementIsNotRepeatedByDoubleClick() {
    chooseKind("House");
    QTest::mousePress(editor().Picture1, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseRelease(editor().Picture1, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseDClick(editor().Picture1, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseRelease(editor().Picture1, Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(editor().scene().count(), 1u);
}

void MainEditorPlacementTest::stoppedPlacementRunsAgainOnSecondReleaseOfDoubleClick() {
    chooseKind("Text (Big)");
    m_services->prompt.answers = {"", "Hello"};
    QTest::mousePress(editor().Picture1, Qt::LeftButton, {}, QPoint(0, 0));
    QTest::mouseRelease(editor().Picture1, Qt::LeftButton, {}, QPoint(0, 0));
    QCOMPARE(editor().scene().count(), 0u);
    QTest::mouseDClick(editor().Picture1, Qt::LeftButton, {}, QPoint(0, 0));
    QTest::mouseRelease(editor().Picture1, Qt::LeftButton, {}, QPoint(363, 0));
    QCOMPARE(editor().scene().count(), 1u);
    QCOMPARE(rowTexts(editor().scene().row(0)),
             (Row{"Text (Big)", " 100", " 0", "0", "", "Hello"}));
    QCOMPARE(m_services->prompt.asked.size(), 2u);
}

void MainEditorPlacementTest::kindHints_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("hint");
    const QString drag = "Drag out a rectangle to insert the object.";
    for (const char* area : {"Street", "Sidewalk", "Shrubbery", "Floor/Ceiling", "Wall"})
        QTest::newRow(area) << area << drag;
    for (const char* point : {"Tree", "Fred", "Text (Big)", "Car (Red)"})
        QTest::newRow(point) << point << "Click to insert the object";
}

void MainEditorPlacementTest::kindHints() {
    QFETCH(QString, kind);
    QFETCH(QString, hint);
    QCOMPARE(editor().Picture1->toolTip(), QString());
    chooseKind(kind);
    QCOMPARE(editor().Picture1->toolTip(), hint);
}

void MainEditorPlacementTest::selectingARowFramesIt() {
    placeTree(QPoint(50, 60));
    placeTree(QPoint(200, 100));
    QCOMPARE(editor().List2->currentRow(), 1);
    clickItem(editor().List2, 0);
    QCOMPARE(editor().scene().selectedIndex(), 0);
    const norvane::MapRect marker = editor().shpSelector->mapRect();
    QCOMPARE(marker.left, float(50 * 100.0 / 363) - 9500.0f / 5445.0f);
    QCOMPARE(marker.top, float(60 * 100.0 / 363) - 9500.0f / 5445.0f);
    QCOMPARE(editor().shpSelector->geometry().topLeft(), QPoint(44, 54));
}

void MainEditorPlacementTest::removal_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<QList<int>>("leftX"); // pixels of the trees that remain
    QTest::newRow("last of three") << 3 << 2 << 1 << QList<int>{10, 20};
    QTest::newRow("first of three") << 3 << 0 << 0 << QList<int>{20, 30};
    QTest::newRow("middle of three") << 3 << 1 << 1 << QList<int>{10, 30};
    QTest::newRow("only row") << 1 << 0 << -1 << QList<int>{};
}

void MainEditorPlacementTest::removal() {
    QFETCH(int, count);
    QFETCH(int, selected);
    QFETCH(int, selectedAfter);
    QFETCH(QList<int>, leftX);
    for (int i = 1; i <= count; ++i)
        placeTree(QPoint(10 * i, 100));
    editor().Saved = true;
    clickItem(editor().List2, selected);
    QTest::mouseClick(editor().Command5, Qt::LeftButton);

    QCOMPARE(editor().List2->count(), leftX.size());
    QCOMPARE(int(editor().scene().count()), leftX.size());
    for (int i = 0; i < leftX.size(); ++i)
        QCOMPARE(editor().scene().row(std::size_t(i)).list3,
                 norvane::pointForm(float(leftX[i] * 100.0 / 363)));
    QCOMPARE(editor().scene().selectedIndex(), selectedAfter);
    QCOMPARE(editor().List2->currentRow(), selectedAfter);
    QCOMPARE(editor().shpSelector->isVisible(), selectedAfter >= 0);
    if (selectedAfter >= 0)
        QCOMPARE(editor().shpSelector->mapRect().left,
                 float(leftX[selectedAfter] * 100.0 / 363) - 9500.0f / 5445.0f);
    QVERIFY(!editor().Saved);
    // The map no longer shows the removed tree.
    const QRgb at = editor().Picture1->image().pixel(10 * (selected + 1), 100);
    QCOMPARE(QColor(at), QColor(0, 192, 0));
}

void MainEditorPlacementTest::removalWithoutSelectionDoesNothing() {
    QTest::mouseClick(editor().Command5, Qt::LeftButton);
    QVERIFY(editor().Saved);
    placeTree(QPoint(10, 10));
    editor().scene().setSelectedIndex(-1);
    editor().refreshSceneList();
    editor().Saved = true;
    QTest::mouseClick(editor().Command5, Qt::LeftButton);
    QCOMPARE(editor().List2->count(), 1);
    QVERIFY(editor().Saved);
}

void MainEditorPlacementTest::damagedRowIsSkippedAndHidesTheMarker() {
    placeTree(QPoint(100, 100));
    editor().scene().append({"Tree", "ten", " 5", "0", "", ""});
    editor().refreshSceneList();
    editor().Render2D();
    clickItem(editor().List2, 1);
    QCOMPARE(editor().scene().selectedIndex(), 1);
    QVERIFY(!editor().shpSelector->isVisible());
    QCOMPARE(QColor(editor().Picture1->image().pixel(100, 100)), QColor(0, 125, 0));
    clickItem(editor().List2, 0);
    QVERIFY(editor().shpSelector->isVisible());
}

QTEST_MAIN(MainEditorPlacementTest)
#include "MainEditorPlacementTest.moc"
