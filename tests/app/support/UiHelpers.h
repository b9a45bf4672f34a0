#pragma once

// Small helpers shared by the window tests: real mouse events on lists and widgets, files in a
// test folder, finding the window the code under test opened, and struct-per-row data tables.

#include <QAbstractItemView>
#include <QApplication>
#include <QByteArray>
#include <QListWidget>
#include <QString>
#include <QTest>
#include <QTimer>

#include <cstddef>
#include <functional>

// Scrolls row `row` of `list` into view and clicks it with the left button, with `modifiers`.
void clickRow(QAbstractItemView* list, int row, Qt::KeyboardModifiers modifiers = {});
// The current row of `list`, -1 for none.
int currentRow(const QAbstractItemView* list);
// The texts of the rows of `list`, selected ones marked with "*", joined by ", ".
QString rowTexts(const QAbstractItemView* list);

// Sends a move with no button held, as a hovering pointer does.
void hover(QWidget* widget, QPoint at);

// Types `text` into `widget` one key press per character, each carrying its character, so that
// letters outside ASCII arrive as a keyboard layout that has them sends them.
void typeText(QWidget* widget, const QString& text);

// The bytes of a file, or "<missing>" when it cannot be read.
QByteArray fileBytes(const QString& path);
// Creates or replaces a file; fails the running test when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);

// The visible top-level window of type W, or nullptr.
template <typename W> W* visibleWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<W*>(window); found && found->isVisible())
            return found;
    return nullptr;
}

// Runs `act` on the modal dialog of type Dialog once the code under test has opened it.
template <typename Dialog> void whenModal(std::function<void(Dialog*)> act) {
    QTimer::singleShot(0, [act] {
        Dialog* dialog = nullptr;
        QTRY_VERIFY((dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())));
        act(dialog);
    });
}

// Data tables with one struct per row (the struct has a `const char* name`): addCases(cases) in
// the _data() function, fetchCase<Case>() in the test.
template <typename Case, std::size_t N> void addCases(const Case (&cases)[N]) {
    QTest::addColumn<Case>("case");
    for (const Case& c : cases)
        QTest::newRow(c.name) << c;
}

template <typename Case> const Case& fetchCase() {
    return *static_cast<const Case*>(QTest::qData("case", qMetaTypeId<Case>()));
}
