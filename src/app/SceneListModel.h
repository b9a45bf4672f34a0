#pragma once

#include "scene/Scene.h"

#include <QAbstractListModel>

#include <optional>

// The rows of the "Objects in Scene" list: one per scene row, showing its kind name, read from
// the scene only when a row is shown, so a scene of any size opens without copying its names.
// Follows the scene's change notifications. The scene must outlive the model.
class SceneListModel : public QAbstractListModel, private norvane::SceneListener {
    Q_OBJECT
public:
    explicit SceneListModel(norvane::Scene& scene, QObject* parent = nullptr);
    ~SceneListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    // The kind name of the row for the display role; nothing for other roles.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Shows the scene afresh, for changes made without notifications.
    void reload();
    // True while the views are being told of a scene change: selection signals then come from
    // the rows moving, not from the user.
    bool changing() const { return m_changing; }

private:
    void sceneChanged(const norvane::SceneChange& change) override;
    // The scene row that row `row` of the views stands for; nothing for a row just removed.
    std::optional<std::size_t> sceneRow(int row) const;

    norvane::Scene& m_scene;
    int m_rows; // the rows the views know of, kept apart from the scene between begin and end
    bool m_changing = false;
    // The change the views are being told of, until they know the new rows: the scene has
    // changed already, so their rows are mapped to the scene's through it.
    std::optional<norvane::SceneChange> m_pending;
};
