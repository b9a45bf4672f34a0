#include "SceneListModel.h"

#include "render/Utf8Text.h"

SceneListModel::SceneListModel(norvane::Scene& scene, QObject* parent)
    : QAbstractListModel(parent), m_scene(scene), m_rows(static_cast<int>(scene.count())) {
    m_scene.addListener(this);
}

SceneListModel::~SceneListModel() {
    m_scene.removeListener(this);
}

int SceneListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

QVariant SceneListModel::data(const QModelIndex& index, int role) const {
    const std::optional<std::size_t> row = sceneRow(index.row());
    if (role != Qt::DisplayRole || !index.isValid() || !row)
        return {};
    return fromUtf8(m_scene.row(*row).kind);
}

std::optional<std::size_t> SceneListModel::sceneRow(int row) const {
    auto scene = static_cast<std::size_t>(row);
    if (m_pending && scene >= m_pending->first) {
        const bool removed = m_pending->kind == norvane::SceneChange::Kind::Removed;
        if (removed && scene < m_pending->first + m_pending->count)
            return std::nullopt;
        scene = removed ? scene - m_pending->count : scene + m_pending->count;
    }
    return scene < m_scene.count() ? std::optional(scene) : std::nullopt;
}

void SceneListModel::reload() {
    beginResetModel();
    m_rows = static_cast<int>(m_scene.count());
    endResetModel();
}

void SceneListModel::sceneChanged(const norvane::SceneChange& change) {
    if (change.kind != norvane::SceneChange::Kind::Reset && change.count == 0)
        return;
    const int first = static_cast<int>(change.first);
    const int last = first + static_cast<int>(change.count) - 1;
    m_changing = true;
    switch (change.kind) {
    case norvane::SceneChange::Kind::Inserted:
        m_pending = change;
        beginInsertRows({}, first, last);
        m_rows += static_cast<int>(change.count);
        m_pending.reset();
        endInsertRows();
        break;
    case norvane::SceneChange::Kind::Removed:
        m_pending = change;
        beginRemoveRows({}, first, last);
        m_rows -= static_cast<int>(change.count);
        m_pending.reset();
        endRemoveRows();
        break;
    case norvane::SceneChange::Kind::Changed:
        emit dataChanged(index(first), index(last), {Qt::DisplayRole});
        break;
    case norvane::SceneChange::Kind::Reset:
        reload();
        break;
    }
    m_changing = false;
}
