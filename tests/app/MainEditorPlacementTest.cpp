// Placement, selection and removal on the main window, driven by real mouse events.
#include "EditorHarness.h"

#include "scene/NumberText.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

const QString kUrl = "Enter URL|VRML Anchor", kText = "Enter Text String|Text";
const QString kCafe = QString::fromUtf8("Caf\xC3\xA9");

// Map pixels on the 363-pixel map: units = pixels * 100 / 363.
float units(int pixels) {
    return float(pixels * 100.0 / 363);
}

struct Placement {
    const char* name;
    QString kind; // "" chooses none
    QString option;
    bool anchor;
    QStringList answers;
    QPoint press, release;
    Qt::MouseButton button;
    Row expected; // empty: nothing placed
    QStringList asked;
    bool anchorAfter, pressedAfter;
};

constexpr auto L = Qt::LeftButton;

// clang-format off
const Placement kPlacements[] = {
    {"tree where released", "Tree", "optDown", false, {}, {10, 10}, {181, 363}, L,
     {"Tree", " 49.86226", " 100", "0", "", ""}, {}, false, false},
    {"bench facing left", "Bench", "OptLeft", false, {}, {5, 5}, {1, 33}, L,
     {"Bench", " .2754821", " 9.090909", "-1.57", "", ""}, {}, false, false},
    {"released left of the map", "Fred", "OptUp", false, {}, {5, 100}, {-10, 100}, L,
     {"Fred", "-2.754821", " 27.54821", "3.14", "", ""}, {}, false, false},
    {"street dragged", "Street", "optRight", false, {}, {36, 72}, {110, 72}, L,
     {"Street", "9.917356", "19.83471", "30.30303", "19.83471", ""}, {}, false, false},
    {"wall clicked", "Wall", "optDown", false, {}, {121, 121}, {121, 121}, L,
     {"Wall", "33.33333", "33.33333", "33.33333", "33.33333", ""}, {}, false, false},
    {"wall released outside", "Wall", "optDown", false, {}, {300, 300}, {400, 380}, L,
     {"Wall", "82.64463", "82.64463", "110.1928", "104.6832", ""}, {}, false, false},
    {"wall dragged up", "Wall", "optDown", false, {}, {100, 100}, {150, 50}, L, {}, {}, false, true},
    {"sidewalk dragged left", "Sidewalk", "optDown", false, {}, {100, 100}, {50, 150}, L, {}, {},
     false, true},
    {"right button", "Tree", "optDown", false, {}, {50, 50}, {60, 70}, Qt::RightButton, {}, {},
     false, false},
    {"no kind, anchor ticked", "", "optDown", true, {}, {50, 50}, {50, 50}, L, {}, {}, true, true},
    {"tree with anchor", "Tree", "optRight", true, {"http://example.com/a b"}, {5, 5}, {363, 33}, L,
     {"Tree", " 100", " 9.090909", "1.57", "http://example.com/a b", ""}, {kUrl}, false, false},
    {"floor with anchor", "Floor/Ceiling", "optDown", true, {"room.html"}, {33, 33}, {363, 363}, L,
     {"Floor/Ceiling", "9.090909", "9.090909", "100", "100", "room.html"}, {kUrl}, false, false},
    {"anchor cancelled", "Street", "optDown", true, {""}, {10, 10}, {100, 100}, L, {}, {kUrl},
     false, true},
    {"big text", "Text (Big)", "optDown", false, {"Main St"}, {5, 5}, {363, 363}, L,
     {"Text (Big)", " 100", " 100", "0", "", "Main St"}, {kText}, false, false},
    {"eye-level text in UTF-8", "Text (Eye-Level)", "OptUp", false, {kCafe}, {5, 5}, {33, 33}, L,
     {"Text (Eye-Level)", " 9.090909", " 9.090909", "3.14", "", kCafe}, {kText}, false, false},
    {"text cancelled loses the url", "Text (Big)", "optDown", true, {"u.html", ""}, {5, 5},
     {10, 10}, L, {}, {kUrl, kText}, false, true},
    {"text after cancelled url not asked", "Text (Eye-Level)", "optDown", true, {""}, {5, 5},
     {10, 10}, L, {}, {kUrl}, false, true},
};
// clang-format on

struct Removal {
    const char* name;
    int count, selected, selectedAfter;
    QList<int> leftX; // pixels of the trees that remain
};

const Removal kRemovals[] = {
    {"last of three", 3, 2, 1, {10, 20}},
    {"first of three", 3, 0, 0, {20, 30}},
    {"middle of three", 3, 1, 1, {10, 30}},
    {"only row", 1, 0, -1, {}},
};

} // namespace

class MainEditorPlacementTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorHarness> h;
    MainEditor& editor() { return h->editor; }

private slots:
    void init() { h = std::make_unique<EditorHarness>(); }
    void cleanup() {
        QVERIFY2(h->scripted.prompt.answers.empty(), "a scripted answer was not asked for");
        h.reset();
    }

    void placement_data() { addCases(kPlacements); }
    void placement() {
        const Placement& c = fetchCase<Placement>();
        if (!c.kind.isEmpty())
            h->chooseKind(c.kind);
        editor().findChild<QRadioButton*>(c.option)->setChecked(true);
        editor().Check1->setChecked(c.anchor);
        h->scripted.prompt.answers.assign(c.answers.begin(), c.answers.end());
        QStringList askedWhileTicked;
        h->scripted.prompt.onAsk = [&](const QString& asked) {
            if (editor().Check1->isChecked())
                askedWhileTicked << asked;
        };

        h->drag(c.press, c.release, c.button);

        QCOMPARE(h->scripted.prompt.asked, c.asked);
        // The anchor box is unticked right after the URL prompt, before the text prompt.
        QCOMPARE(askedWhileTicked, c.asked.contains(kUrl) ? QStringList{kUrl} : QStringList{});
        QCOMPARE(editor().Check1->isChecked(), c.anchorAfter);
        QCOMPARE(editor().MapPressed(), c.pressedAfter);
        QVERIFY(!editor().Shape1->isVisible());
        const bool placed = !c.expected.isEmpty();
        QCOMPARE(h->rows(), placed ? QList<Row>{c.expected} : QList<Row>{});
        QCOMPARE(editor().List2->count(), placed ? 1 : 0);
        QCOMPARE(editor().List2->currentRow(), placed ? 0 : -1);
        QCOMPARE(editor().scene().selectedIndex(), placed ? 0 : -1);
        QCOMPARE(editor().shpSelector->isVisible(), placed);
        QCOMPARE(editor().Saved, !placed);
        if (placed) {
            QCOMPARE(editor().List2->item(0)->text(), c.kind);
            QVERIFY(editor().List2->item(0)->isSelected());
        }
    }

    void rubberBandFollowsThePointerRightAndDown() {
        h->chooseKind("Shrubbery");
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
        QCOMPARE(editor().DragEndX(), units(10));
        QCOMPARE(editor().scene().count(), 0u);
    }

    // The cross-hair follows any pointer over the map, a right-button drag too, and hides as
    // soon as the pointer is over List1, List2 or the window's background.
    void crossHairFollowsAndHides() {
        h->drag(QPoint(50, 50), QPoint(60, 70), Qt::RightButton);
        QVERIFY(editor().XLine->isVisible());
        QCOMPARE(editor().XLine->mapRect().left, units(60));
        for (QWidget* target :
             {editor().List1->viewport(), editor().List2->viewport(), editor().centralWidget()}) {
            hover(editor().Picture1, QPoint(121, 242));
            QVERIFY(editor().XLine->isVisible() && editor().YLine->isVisible());
            QCOMPARE(editor().XLine->geometry(), QRect(121, 0, 1, 363));
            QCOMPARE(editor().YLine->geometry(), QRect(0, 242, 363, 1));
            hover(target, QPoint(5, 5));
            QVERIFY2(!editor().XLine->isVisible(), qPrintable(target->objectName()));
            QVERIFY(!editor().YLine->isVisible());
        }
    }

    void completedPlacementIsNotRepeatedByDoubleClick() {
        h->place("House", QPoint(50, 50));
        QTest::mouseDClick(editor().Picture1, Qt::LeftButton, {}, QPoint(50, 50));
        QTest::mouseRelease(editor().Picture1, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(editor().scene().count(), 1u);
    }

    void stoppedPlacementRunsAgainOnSecondReleaseOfDoubleClick() {
        h->scripted.prompt.answers = {"", "Hello"};
        h->place("Text (Big)", QPoint(0, 0));
        QCOMPARE(editor().scene().count(), 0u);
        QTest::mouseDClick(editor().Picture1, Qt::LeftButton, {}, QPoint(0, 0));
        QTest::mouseRelease(editor().Picture1, Qt::LeftButton, {}, QPoint(363, 0));
        QCOMPARE(h->rows(), (QList<Row>{{"Text (Big)", " 100", " 0", "0", "", "Hello"}}));
        QCOMPARE(h->scripted.prompt.asked.size(), 2);
    }

    void hintFollowsTheKind() {
        QCOMPARE(editor().Picture1->toolTip(), QString());
        h->chooseKind("Street");
        QCOMPARE(editor().Picture1->toolTip(), "Drag out a rectangle to insert the object.");
        h->chooseKind("Tree");
        QCOMPARE(editor().Picture1->toolTip(), "Click to insert the object");
    }

    void selectingARowFramesIt() {
        h->place("Tree", QPoint(50, 60));
        h->place("Tree", QPoint(200, 100));
        QCOMPARE(editor().List2->currentRow(), 1);
        clickRow(editor().List2, 0);
        QCOMPARE(editor().scene().selectedIndex(), 0);
        const norvane::MapRect marker = editor().shpSelector->mapRect();
        QCOMPARE(marker.left, units(50) - 9500.0f / 5445.0f);
        QCOMPARE(marker.top, units(60) - 9500.0f / 5445.0f);
        QCOMPARE(editor().shpSelector->geometry().topLeft(), QPoint(44, 54));
    }

    void rowCannotBeUnselected_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Ctrl+click") << false;
        QTest::newRow("Ctrl+Space") << true;
    }
    // The marker keeps framing the selected row, and that row is what Remove Object removes.
    void rowCannotBeUnselected() {
        QFETCH(bool, byKey);
        h->place("Tree", QPoint(50, 60));
        h->place("Tree", QPoint(200, 100));
        QListWidget* list = editor().List2;
        if (byKey) {
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
        } else {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              list->visualItemRect(list->item(1)).center());
        }
        QCOMPARE(editor().scene().selectedIndex(), 1);
        QVERIFY(list->item(1)->isSelected());
        QVERIFY(editor().shpSelector->isVisible());
        QTest::mouseClick(editor().Command5, Qt::LeftButton);
        QCOMPARE(h->rows(), (QList<Row>{{"Tree", " 13.77411", " 16.52892", "0", "", ""}}));
    }

    // The chosen kind stays chosen, so the hint and what a click places agree.
    void kindCannotBeUnselected() {
        h->chooseKind("Tree");
        QListWidget* list = editor().List1;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->currentItem()).center());
        QVERIFY(list->currentItem()->isSelected());
        h->click(QPoint(50, 50));
        QCOMPARE(h->rows().size(), 1);
    }

    void removal_data() { addCases(kRemovals); }
    void removal() {
        const Removal& c = fetchCase<Removal>();
        for (int i = 1; i <= c.count; ++i)
            h->place("Tree", QPoint(10 * i, 100));
        editor().Saved = true;
        clickRow(editor().List2, c.selected);
        QTest::mouseClick(editor().Command5, Qt::LeftButton);

        QCOMPARE(editor().List2->count(), c.leftX.size());
        QCOMPARE(int(editor().scene().count()), c.leftX.size());
        for (int i = 0; i < c.leftX.size(); ++i)
            QCOMPARE(editor().scene().row(std::size_t(i)).list3,
                     norvane::pointForm(units(c.leftX[i])));
        QCOMPARE(editor().scene().selectedIndex(), c.selectedAfter);
        QCOMPARE(editor().List2->currentRow(), c.selectedAfter);
        QCOMPARE(editor().shpSelector->isVisible(), c.selectedAfter >= 0);
        if (c.selectedAfter >= 0)
            QCOMPARE(editor().shpSelector->mapRect().left,
                     units(c.leftX[c.selectedAfter]) - 9500.0f / 5445.0f);
        QVERIFY(!editor().Saved);
        // The map no longer shows the removed tree.
        QCOMPARE(h->colourAt(QPoint(10 * (c.selected + 1), 100)), QColor(0, 192, 0));
    }

    void removalWithoutSelectionDoesNothing() {
        QTest::mouseClick(editor().Command5, Qt::LeftButton);
        QVERIFY(editor().Saved);
        h->place("Tree", QPoint(10, 10));
        editor().scene().setSelectedIndex(-1);
        editor().refreshSceneList();
        editor().Saved = true;
        QTest::mouseClick(editor().Command5, Qt::LeftButton);
        QCOMPARE(editor().List2->count(), 1);
        QVERIFY(editor().Saved);
    }

    void damagedRowIsSkippedAndHidesTheMarker() {
        h->place("Tree", QPoint(100, 100));
        h->fill({{"Tree", "ten", " 5", "0", "", ""}});
        clickRow(editor().List2, 1);
        QCOMPARE(editor().scene().selectedIndex(), 1);
        QVERIFY(!editor().shpSelector->isVisible());
        QCOMPARE(h->colourAt(QPoint(100, 100)), QColor(0, 125, 0));
        clickRow(editor().List2, 0);
        QVERIFY(editor().shpSelector->isVisible());
    }
};

QTEST_MAIN(MainEditorPlacementTest)
#include "MainEditorPlacementTest.moc"
