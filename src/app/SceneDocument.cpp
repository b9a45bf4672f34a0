#include "SceneDocument.h"

SceneDocument::SceneDocument(QObject* parent) : QObject(parent) {
    connect(&m_history, &QUndoStack::indexChanged, this, [this] { m_saved = m_history.isClean(); });
}

void SceneDocument::reset(norvane::Scene scene, const QString& path) {
    m_scene = std::move(scene);
    m_history.clear();
    m_saved = true;
    m_path = path;
    emit sceneReset();
    emit pathChanged(m_path);
}

void SceneDocument::savedAs(const QString& path) {
    m_history.setClean();
    m_saved = true;
    m_path = path;
    emit pathChanged(m_path);
}

SceneEditTarget SceneDocument::editTarget() {
    return {&m_scene, [this](int row, const std::vector<norvane::SceneObject>& touched) {
                emit objectsChanged(row, touched);
            }};
}
