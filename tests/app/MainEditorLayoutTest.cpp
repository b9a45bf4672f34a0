// The main window's controls, captions, hints, menus and start state, as
// tests/data/app/main-editor-layout.txt lists them (geometry in pixels, 15 twips each).
#include "../support/AppGolden.h"
#include "EditorHarness.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>

namespace {

QString captionOf(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text() + (button->isChecked() ? " (checked)" : "");
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return frame->title();
    return {};
}

QString flag(bool on, const QString& name) {
    return on ? QString(" ") + name : QString();
}

// One line per named widget and per menu, then the window's start state.
QString layout(MainEditor& editor) {
    QString out;
    for (QWidget* w : editor.findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_") &&
            !qobject_cast<QMenu*>(w))
            out += w->objectName() + " in " + w->parentWidget()->objectName() + " at " +
                   rectText(w->geometry()) + " \"" + captionOf(w) + "\" hint \"" + w->toolTip() +
                   "\"" + flag(!w->isVisible(), "hidden") + flag(!w->isEnabled(), "disabled") +
                   "\n";
    }
    for (QMenu* menu : editor.findChildren<QMenu*>(QRegularExpression("^mnu"))) {
        out += "menu " + menu->objectName() + ":";
        for (QAction* a : menu->actions())
            out += a->isSeparator()
                       ? QString(" -")
                       : " " + (a->menu() ? a->menu()->objectName() : a->objectName()) + " \"" +
                             a->text() + "\"" +
                             flag(!a->shortcut().isEmpty(), a->shortcut().toString()) +
                             flag(!a->isEnabled(), "disabled");
        out += "\n";
    }
    QStringList kinds;
    for (int i = 0; i < editor.List1->count(); ++i)
        kinds << editor.List1->item(i)->text();
    out +=
        "List1: " + kinds.join(", ") + "\nselected " +
        QString::number(editor.List1->selectedItems().size()) + ", List2 rows " +
        QString::number(editor.List2->model()->rowCount()) + ", title \"" + editor.windowTitle() +
        "\"" + flag(editor.Saved, "saved") + flag(editor.MapPressed(), "map-pressed") +
        "\nclient " + rectText(editor.centralWidget()->rect()) +
        flag(editor.minimumSize() == editor.maximumSize(), "fixed-size") +
        flag(editor.windowFlags().testFlag(Qt::WindowMaximizeButtonHint), "maximize-button") + "\n";
    return out;
}

} // namespace

class MainEditorLayoutTest : public QObject {
    Q_OBJECT

private slots:
    // Also: the orientation caption is not cut off and does not run under the left option.
    void controlsMenusAndStartState() {
        EditorHarness h;
        const QString difference =
            goldenDifference("main-editor-layout.txt", layout(h.editor).toStdString());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QLabel* label = h.editor.Label1;
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
        QVERIFY(label->geometry().right() < h.editor.OptLeft->geometry().left());
    }
};

QTEST_MAIN(MainEditorLayoutTest)
#include "MainEditorLayoutTest.moc"
