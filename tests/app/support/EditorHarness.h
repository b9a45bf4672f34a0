#pragma once

#include "ScriptedServices.h"
#include "UiHelpers.h"
#include "app/MainEditor.h"

#include <QColor>
#include <QStringList>

#include <optional>
#include <vector>

// The six texts of a scene row, as the tests compare them.
using Row = QStringList;

// The main window under test: a MainEditor on scripted services, shown and exposed, driven by
// real mouse events on its own widgets, reading the scene templates from the source tree. Tests
// make one in init() and drop it in cleanup().
class EditorHarness {
public:
    // `appFolder`, when given, is a name in the scripted program directory to use instead of
    // that directory (it need not exist). `prompt`, when given, answers the prompts instead of
    // the scripted one; it must outlive the harness.
    explicit EditorHarness(const QString& appFolder = {}, TextPrompt* prompt = nullptr);

    ScriptedServices scripted;
    MainEditor editor;

    // Clicks `kind` in List1; fails the test when it is not listed exactly once.
    void chooseKind(const QString& kind);
    // Presses `button` on the map at `from`, moves to `to` and releases there. Points are map
    // pixels: Picture1's own coordinates at the current zoom.
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton);
    // Presses and releases at one point, without a move in between.
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    // Clicks the button or triggers the menu item of that name; "close box" closes the window.
    void run(const QString& command);
    // Chooses `kind` and drags it out from `from` to `to`, or clicks at `from`.
    void place(const QString& kind, QPoint from, std::optional<QPoint> to = {});
    // The map pixel that shows map point (x, y) at the current zoom, and its colour.
    QPoint pixelOf(double x, double y);
    QColor colourAt(QPoint pixel) { return editor.Picture1->image().pixelColor(pixel); }
    // Appends rows the way a loaded file shows them: listed and drawn; the scene is then unsaved.
    void fill(const std::vector<norvane::SceneObject>& rows);
    // The scene's rows as texts, in order.
    QList<Row> rows();
    QString inAppDir(const QString& name) const { return scripted.inAppDir(name); }
};
