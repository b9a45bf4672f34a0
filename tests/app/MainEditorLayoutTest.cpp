// The main window's controls, captions, hints, menus and start state.
#include "ScriptedServices.h"
#include "app/MainEditor.h"

#include "scene/Catalogue.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

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

} // namespace

class MainEditorLayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedServices> m_services;
    std::unique_ptr<MainEditor> m_editor;

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

    void controls_data();
    void controls();
    void menuItems_data();
    void menuItems();
    void startState();
    void exitCloses_data();
    void exitCloses();
};

void MainEditorLayoutTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("twips"); // left, top, width, height
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("enabled");
    struct Control {
        const char* name;
        const char* parent;
        QRect twips;
        const char* caption;
        const char* hint;
        bool enabled;
    };
    // clang-format off
    const Control controls[] = {
        {"Picture2", "client", {0, 0, 5535, 5535}, "", "", true},
        {"Picture1", "Picture2", {0, 0, 5445, 5445}, "", "", true},
        {"HScroll1", "client", {0, 5520, 5535, 255}, "", "", true},
        {"VScroll1", "client", {5520, 0, 255, 5535}, "", "", true},
        {"Frame1", "client", {5880, 0, 3615, 3615}, "Create Object", "", true},
        {"Label3", "Frame1", {120, 360, 2055, 255}, "Objects Available", "", true},
        {"List1", "Frame1", {120, 600, 3375, 2205}, "", "Objects that can be inserted in the scene", true},
        {"Check1", "Frame1", {120, 3120, 1335, 195}, "With &Anchor", "Links the object to a web page or file", true},
        {"Label1", "Frame1", {1560, 3120, 855, 255}, "Orientation", "", true},
        {"OptUp", "Frame1", {2760, 2880, 255, 195}, "", "Makes the object face backward", true},
        {"OptLeft", "Frame1", {2400, 3120, 255, 195}, "", "Makes the object face left", true},
        {"optRight", "Frame1", {3120, 3120, 255, 195}, "", "Makes the object face right", true},
        {"optDown", "Frame1", {2760, 3360, 255, 195}, "", "Makes the object face forward", true},
        {"Frame2", "client", {5880, 3720, 3615, 2175}, "Objects in Scene", "", true},
        {"List2", "Frame2", {120, 240, 3375, 1425}, "", "Selects an object currently in scene.", true},
        {"Command5", "Frame2", {120, 1800, 3375, 255}, "&Remove Object", "Removes the currently selected object from the scene", true},
        {"Command3", "client", {120, 5760, 855, 375}, "New", "Begins a new Norvane scene", true},
        {"Command4", "client", {960, 5760, 735, 375}, "&Open", "Opens a Norvane file", true},
        {"Command6", "client", {1680, 5760, 735, 375}, "&Save", "Saves scene to a Norvane file", true},
        {"Command1", "client", {2400, 5760, 2055, 375}, "Save File to VRM&L", "Saves the scene to a VRML 2.0 file.", true},
        {"Command2", "client", {4440, 5760, 1095, 375}, "Exit", "Exits the program", true},
        {"Command7", "client", {5880, 5880, 3615, 255}, "&Preview Scene", "Previews the 3D scene.", true},
    };
    // clang-format on
    for (const Control& c : controls)
        QTest::newRow(c.name) << c.name << c.parent << c.twips << c.caption << c.hint << c.enabled;
}

void MainEditorLayoutTest::controls() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(bool, enabled);
    auto* widget = m_editor->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(),
             QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    QCOMPARE(captionOf(widget), caption);
    QCOMPARE(widget->toolTip(), hint);
    QCOMPARE(widget->isEnabled(), enabled);
    QVERIFY(widget->isVisible());
}

void MainEditorLayoutTest::menuItems_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("captions"); // "-" for a separator
    QTest::addColumn<QList<bool>>("enabled");
    QTest::newRow("File") << "mnuFileItem"
                          << QStringList{"mnuNewItem",  "mnuLoadItem", "mnuSave2Item", "mnuDivide1",
                                         "mnuSaveItem", "mnuDivide2",  "mnuExitItem"}
                          << QStringList{"&New",          "&Open File", "&Save File", "-",
                                         "Save to VRM&L", "-",          "&Exit"}
                          << QList<bool>{true, true, true, true, true, true, true};
    QTest::newRow("View") << "mnuViewItem" << QStringList{"mnuScaleItem"} << QStringList{"&Scale"}
                          << QList<bool>{true};
    QTest::newRow("Scale") << "mnuScaleItem"
                           << QStringList{"mnu100Item", "mnu200Item", "mnu400Item"}
                           << QStringList{"&100%", "&200%", "&400%"}
                           << QList<bool>{true, true, true};
    QTest::newRow("Help") << "mnuHelpItem" << QStringList{"mnuManualItem", "mnuAboutItem"}
                          << QStringList{"&Manual", "&About"} << QList<bool>{true, true};
}

void MainEditorLayoutTest::menuItems() {
    QFETCH(QString, menu);
    QFETCH(QStringList, names);
    QFETCH(QStringList, captions);
    QFETCH(QList<bool>, enabled);
    auto* container = m_editor->findChild<QMenu*>(menu);
    QVERIFY(container);
    const QList<QAction*> actions = container->actions();
    QCOMPARE(actions.size(), names.size());
    for (int i = 0; i < actions.size(); ++i) {
        QAction* action = actions[i];
        const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
        QCOMPARE(name, names[i]);
        QCOMPARE(action->isSeparator() ? QString("-") : action->text(), captions[i]);
        QCOMPARE(action->isEnabled(), enabled[i]);
    }
}

void MainEditorLayoutTest::startState() {
    MainEditor& editor = *m_editor;
    QCOMPARE(editor.windowTitle(), QString("Norvane (New)"));
    QVERIFY(editor.Saved);
    QCOMPARE(editor.centralWidget()->size(), QSize(641, 416));
    QCOMPARE(editor.minimumSize(), editor.maximumSize());
    QVERIFY(!(editor.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(editor.List1->count(), int(norvane::kCatalogue.size()));
    for (int i = 0; i < editor.List1->count(); ++i)
        QCOMPARE(editor.List1->item(i)->text().toStdString(), norvane::kCatalogue[i].name);
    QVERIFY(editor.List1->selectedItems().isEmpty());
    QCOMPARE(editor.List2->count(), 0);
    QVERIFY(editor.optDown->isChecked());
    QVERIFY(!editor.OptUp->isChecked() && !editor.OptLeft->isChecked() &&
            !editor.optRight->isChecked());
    QVERIFY(!editor.Check1->isChecked());
    QCOMPARE(editor.mnuManualItem->shortcut(), QKeySequence(Qt::Key_F1));
    for (QWidget* overlay :
         {static_cast<QWidget*>(editor.Shape1), static_cast<QWidget*>(editor.XLine),
          static_cast<QWidget*>(editor.YLine), static_cast<QWidget*>(editor.shpSelector)})
        QVERIFY(!overlay->isVisible());
    QVERIFY(!editor.MapPressed());
}

void MainEditorLayoutTest::exitCloses_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("Exit button") << false;
    QTest::newRow("Exit menu item") << true;
}

void MainEditorLayoutTest::exitCloses() {
    QFETCH(bool, fromMenu);
    if (fromMenu)
        m_editor->mnuExitItem->trigger();
    else
        QTest::mouseClick(m_editor->Command2, Qt::LeftButton);
    QVERIFY(!m_editor->isVisible());
}

QTEST_MAIN(MainEditorLayoutTest)
#include "MainEditorLayoutTest.moc"
