#include "EditorHarness.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>

namespace {

Row rowTexts(const norvane::SceneObject& o) {
    return {QString::fromStdString(o.kind),  QString::fromStdString(o.list3),
            QString::fromStdString(o.list4), QString::fromStdString(o.list5),
            QString::fromStdString(o.list6), QString::fromStdString(o.list7)};
}

} // namespace

EditorHarness::EditorHarness(const QString& appFolder, TextPrompt* prompt)
    : editor({prompt ? *prompt : scripted, scripted, scripted, scripted, scripted,
              appFolder.isEmpty() ? scripted.appDirectory() : scripted.inAppDir(appFolder),
              scripted.settings()}) {
    editor.setTemplateFolder(QStringLiteral(NORVANE_TEMPLATE_DIR));
    editor.show();
    // Xvfb has no window manager to activate windows; there being shown is enough.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
    else
        QVERIFY(QTest::qWaitForWindowActive(&editor));
}

void EditorHarness::chooseKind(const QString& kind) {
    const auto found = editor.List1->findItems(kind, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    clickRow(editor.List1, editor.List1->row(found.front()));
}

void EditorHarness::drag(QPoint from, QPoint to, Qt::MouseButton button) {
    QTest::mousePress(editor.Picture1, button, {}, from);
    QTest::mouseMove(editor.Picture1, to);
    QTest::mouseRelease(editor.Picture1, button, {}, to);
}

void EditorHarness::click(QPoint at, Qt::MouseButton button) {
    QTest::mousePress(editor.Picture1, button, {}, at);
    QTest::mouseRelease(editor.Picture1, button, {}, at);
}

void EditorHarness::run(const QString& command) {
    if (command == "close box")
        editor.close();
    else if (auto* button = editor.findChild<QPushButton*>(command))
        QTest::mouseClick(button, Qt::LeftButton);
    else if (auto* action = editor.findChild<QAction*>(command))
        action->trigger();
    else
        QFAIL(qPrintable("no command " + command));
}

void EditorHarness::place(const QString& kind, QPoint from, std::optional<QPoint> to) {
    chooseKind(kind);
    if (to)
        drag(from, *to);
    else
        click(from);
}

QPoint EditorHarness::pixelOf(double x, double y) {
    const QSize size = editor.Picture1->image().size();
    return {int(x * size.width() / 100.0), int(y * size.height() / 100.0)};
}

void EditorHarness::fill(const std::vector<norvane::SceneObject>& rows) {
    for (const norvane::SceneObject& row : rows)
        editor.scene().append(row);
    editor.refreshSceneList();
    editor.Render2D();
    editor.Saved = false;
}

QList<Row> EditorHarness::rows() {
    QList<Row> texts;
    for (const norvane::SceneObject& row : editor.scene().rows())
        texts << rowTexts(row);
    return texts;
}
