#include "ChangeObjectCommand.h"

#include <utility>

ChangeObjectCommand::ChangeObjectCommand(SceneEditTarget target, std::size_t row,
                                         norvane::SceneObject after, const QString& name,
                                         int mergeId)
    : QUndoCommand(name), m_target(std::move(target)), m_row(row),
      m_before(m_target.scene->row(row)), m_after(std::move(after)), m_mergeId(mergeId) {}

void ChangeObjectCommand::redo() {
    m_target.scene->replace(m_row, m_after);
    m_target.show(static_cast<int>(m_row), {m_before, m_after});
}

void ChangeObjectCommand::undo() {
    m_target.scene->replace(m_row, m_before);
    m_target.show(static_cast<int>(m_row), {m_before, m_after});
}

bool ChangeObjectCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ChangeObjectCommand*>(other);
    if (next->m_row != m_row)
        return false;
    m_after = next->m_after;
    return true;
}
