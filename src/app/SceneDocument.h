#pragma once

#include "SceneEditTarget.h"

#include "scene/RowSelection.h"
#include "scene/Scene.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <vector>

class QUndoCommand;

// The scene being edited and everything that belongs to it rather than to a window: its undo
// history, its selection (kept in the scene, so that rows inserted and removed shift it), the
// file it was read from or saved to and whether it has changed since. The views hear of changes
// through the signals; the list and the 3D view also follow the scene's own notifications.
class SceneDocument : public QObject {
    Q_OBJECT
public:
    explicit SceneDocument(QObject* parent = nullptr);

    norvane::Scene& scene() { return m_scene; }
    const norvane::Scene& scene() const { return m_scene; }
    norvane::RowSelection& selection() { return m_scene.selection(); }
    QUndoStack& history() { return m_history; }
    // The scene file's path; empty while the scene has none (new, or opened from a template).
    const QString& path() const { return m_path; }
    // True when nothing has changed since the scene was opened, begun or saved. The window
    // shows it under its legacy name, and scripts may set it.
    bool& saved() { return m_saved; }

    // Begins again with `scene`: an empty history, saved, under `path` ("" for none).
    void reset(norvane::Scene scene, const QString& path);
    // The scene is now written in the file at `path`.
    void savedAs(const QString& path);
    // Applies `change` to the selection and tells the views.
    template <typename Change> void changeSelection(Change&& change) {
        change(m_scene.selection());
        emit selectionChanged();
    }
    // What the edit commands change, reporting each change through objectsChanged().
    SceneEditTarget editTarget();

signals:
    // The whole scene is new (New, Open, a template).
    void sceneReset();
    // An edit command changed the scene: `row` as SceneEditTarget::show takes it, `touched`
    // the objects as they were and are where the map must be redrawn.
    void objectsChanged(int row, const std::vector<norvane::SceneObject>& touched);
    void selectionChanged();
    // The document was begun, opened or saved under `path` ("" for none).
    void pathChanged(const QString& path);

private:
    norvane::Scene m_scene;
    QUndoStack m_history;
    QString m_path;
    bool m_saved = true;
};
