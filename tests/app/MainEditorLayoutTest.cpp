// The main window's controls, captions, hints, menus and start state.
#include "EditorHarness.h"

#include "scene/Catalogue.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

#include <memory>

namespace {

QString captionOf(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return frame->title();
    return {};
}

struct Control {
    const char* name;
    QString parent;
    QRect twips; // left, top, width, height
    QString caption, hint;
};

// clang-format off
const Control kControls[] = {
    {"Picture2", "client", {0, 0, 5535, 5535}, "", ""},
    {"Picture1", "Picture2", {0, 0, 5445, 5445}, "", ""},
    {"HScroll1", "client", {0, 5520, 5535, 255}, "", ""},
    {"VScroll1", "client", {5520, 0, 255, 5535}, "", ""},
    {"Frame1", "client", {5880, 0, 3615, 3615}, "Create Object", ""},
    {"Label3", "Frame1", {120, 360, 2055, 255}, "Objects Available", ""},
    {"List1", "Frame1", {120, 600, 3375, 2205}, "", "Objects that can be inserted in the scene"},
    {"Check1", "Frame1", {120, 3120, 1335, 195}, "With &Anchor", "Links the object to a web page or file"},
    {"Label1", "Frame1", {1425, 3120, 945, 255}, "Orientation", ""},
    {"OptUp", "Frame1", {2760, 2880, 255, 195}, "", "Makes the object face backward"},
    {"OptLeft", "Frame1", {2400, 3120, 255, 195}, "", "Makes the object face left"},
    {"optRight", "Frame1", {3120, 3120, 255, 195}, "", "Makes the object face right"},
    {"optDown", "Frame1", {2760, 3360, 255, 195}, "", "Makes the object face forward"},
    {"Frame2", "client", {5880, 3720, 3615, 2175}, "Objects in Scene", ""},
    {"List2", "Frame2", {120, 240, 3375, 1425}, "", "Selects an object currently in scene."},
    {"Command5", "Frame2", {120, 1800, 3375, 255}, "&Remove Object", "Removes the currently selected object from the scene"},
    {"Command3", "client", {120, 5760, 855, 375}, "New", "Begins a new Norvane scene"},
    {"Command4", "client", {960, 5760, 735, 375}, "&Open", "Opens a Norvane file"},
    {"Command6", "client", {1680, 5760, 735, 375}, "&Save", "Saves scene to a Norvane file"},
    {"Command1", "client", {2400, 5760, 2055, 375}, "Save File to VRM&L", "Saves the scene to a VRML 2.0 file."},
    {"Command2", "client", {4440, 5760, 1095, 375}, "Exit", "Exits the program"},
    {"Command7", "client", {5880, 5880, 3615, 255}, "&Preview Scene", "Previews the 3D scene."},
};
// clang-format on

struct Menu {
    const char* name;
    QStringList items;
    QStringList captions; // "-" for a separator
};

const Menu kMenus[] = {
    {"mnuFileItem",
     {"mnuNewItem", "mnuLoadItem", "mnuSave2Item", "mnuDivide1", "mnuSaveItem", "mnuDivide2",
      "mnuExitItem"},
     {"&New", "&Open File", "&Save File", "-", "Save to VRM&L", "-", "&Exit"}},
    {"mnuViewItem", {"mnuScaleItem"}, {"&Scale"}},
    {"mnuScaleItem", {"mnu100Item", "mnu200Item", "mnu400Item"}, {"&100%", "&200%", "&400%"}},
    {"mnuHelpItem", {"mnuManualItem", "mnuAboutItem"}, {"&Manual", "&About"}},
};

} // namespace

class MainEditorLayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorHarness> h;

private slots:
    void init() { h = std::make_unique<EditorHarness>(); }
    void cleanup() { h.reset(); }

    // Positions are in twips, 15 to a pixel.
    void controls_data() { addCases(kControls); }
    void controls() {
        const Control& c = fetchCase<Control>();
        auto* widget = h->editor.findChild<QWidget*>(c.name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), c.parent);
        const QRect& t = c.twips;
        QCOMPARE(widget->geometry(),
                 QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15));
        QCOMPARE(captionOf(widget), c.caption);
        QCOMPARE(widget->toolTip(), c.hint);
        QVERIFY(widget->isEnabled());
        QVERIFY(widget->isVisible());
    }

    // The caption is not cut off and does not run under the left option button.
    void orientationLabelFits() {
        QLabel* label = h->editor.Label1;
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
        QVERIFY(label->geometry().right() < h->editor.OptLeft->geometry().left());
    }

    void menuItems_data() { addCases(kMenus); }
    void menuItems() {
        const Menu& c = fetchCase<Menu>();
        auto* menu = h->editor.findChild<QMenu*>(c.name);
        QVERIFY(menu);
        QStringList names, captions;
        for (QAction* action : menu->actions()) {
            names << (action->menu() ? action->menu()->objectName() : action->objectName());
            captions << (action->isSeparator() ? QString("-") : action->text());
            QVERIFY(action->isEnabled());
        }
        QCOMPARE(names, c.items);
        QCOMPARE(captions, c.captions);
    }

    void startState() {
        MainEditor& editor = h->editor;
        QCOMPARE(editor.windowTitle(), QString("Norvane (New)"));
        QVERIFY(editor.Saved);
        QCOMPARE(editor.centralWidget()->size(), QSize(641, 416));
        QCOMPARE(editor.minimumSize(), editor.maximumSize());
        QVERIFY(!(editor.windowFlags() & Qt::WindowMaximizeButtonHint));
        QStringList kinds;
        for (const norvane::KindInfo& kind : norvane::kCatalogue)
            kinds << QString::fromUtf8(kind.name.data(), qsizetype(kind.name.size()));
        QStringList listed;
        for (int i = 0; i < editor.List1->count(); ++i)
            listed << editor.List1->item(i)->text();
        QCOMPARE(listed, kinds);
        QVERIFY(editor.List1->selectedItems().isEmpty());
        QCOMPARE(editor.List2->count(), 0);
        QVERIFY(editor.optDown->isChecked());
        QVERIFY(!editor.OptUp->isChecked() && !editor.OptLeft->isChecked() &&
                !editor.optRight->isChecked());
        QVERIFY(!editor.Check1->isChecked());
        QCOMPARE(editor.mnuManualItem->shortcut(), QKeySequence(Qt::Key_F1));
        for (QWidget* overlay : std::initializer_list<QWidget*>{editor.Shape1, editor.XLine,
                                                                editor.YLine, editor.shpSelector})
            QVERIFY(!overlay->isVisible());
        QVERIFY(!editor.MapPressed());
    }
};

QTEST_MAIN(MainEditorLayoutTest)
#include "MainEditorLayoutTest.moc"
