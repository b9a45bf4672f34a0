#include "InsertObjectsCommand.h"

#include <utility>

InsertObjectsCommand::InsertObjectsCommand(SceneEditTarget target, std::size_t row,
                                           std::vector<norvane::SceneObject> objects,
                                           const QString& name)
    : QUndoCommand(name), m_target(std::move(target)), m_row(row), m_objects(std::move(objects)),
      m_selectedBefore(m_target.scene->selectedIndex()) {}

void InsertObjectsCommand::redo() {
    for (std::size_t i = 0; i < m_objects.size(); ++i)
        m_target.scene->insert(m_row + i, m_objects[i]);
    if (m_objects.size() == 1) {
        m_target.show(static_cast<int>(m_row), m_objects);
        return;
    }
    m_target.scene->selection().selectRange(m_row, m_objects.size());
    m_target.show(kKeepSelection, m_objects);
}

void InsertObjectsCommand::undo() {
    for (std::size_t i = m_objects.size(); i-- > 0;)
        m_target.scene->remove(m_row + i);
    m_target.show(m_selectedBefore, m_objects);
}
