// What screen readers see: every interactive control of the main window and of World Properties
// has a name of its own and a description.
#include "EditorHarness.h"
#include "app/Saver.h"

#include <QAccessible>
#include <QCheckBox>

#include <memory>

namespace {

bool isInteractive(QAccessibleInterface* control) {
    static const QList<QAccessible::Role> roles{
        QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::List,       QAccessible::ComboBox, QAccessible::EditableText,
        QAccessible::ScrollBar,  QAccessible::SpinBox,  QAccessible::Slider};
    return roles.contains(control->role()) || qobject_cast<MapSurface*>(control->object());
}

// The interactive controls below `node` in the accessibility tree, as screen readers walk it.
// A combo box's drop-down list is read as part of the combo box.
void collect(QAccessibleInterface* node, QList<QAccessibleInterface*>& controls) {
    if (node->role() == QAccessible::ComboBox)
        return;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (isInteractive(child))
            controls << child;
        collect(child, controls);
    }
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorHarness> h;

private slots:
    void init() { h = std::make_unique<EditorHarness>(); }
    void cleanup() { h.reset(); }

    void everyControlHasItsOwnName_data() {
        QTest::addColumn<bool>("saver");
        QTest::newRow("MainEditor") << false;
        QTest::newRow("Saver") << true;
    }
    void everyControlHasItsOwnName() {
        QFETCH(bool, saver);
        QWidget* window = &h->editor;
        if (saver) {
            h->run("Command1");
            window = visibleWindow<Saver>();
            window->findChild<QCheckBox*>("Check1")->setChecked(true); // shows the music list
        }
        QList<QAccessibleInterface*> controls;
        collect(QAccessible::queryAccessibleInterface(window), controls);
        QVERIFY(controls.size() >= (saver ? 6 : 17));
        QStringList names;
        for (QAccessibleInterface* control : controls) {
            const QString name = control->text(QAccessible::Name);
            const QString what = control->object()->objectName();
            QVERIFY2(!name.isEmpty(), qPrintable(what));
            QVERIFY2(!control->text(QAccessible::Description).isEmpty(), qPrintable(what));
            QVERIFY2(!names.contains(name), qPrintable(what + " repeats " + name));
            names << name;
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
