#include "ChangeObjectCommand.h"

#include <utility>

ChangeObjectCommand::ChangeObjectCommand(SceneEditTarget target, std::size_t row,
                                         norvane::SceneObject after, const QString& name,
                                         int mergeId)
    : ChangeObjectCommand(std::move(target), std::vector<std::size_t>{row},
                          std::vector<norvane::SceneObject>{std::move(after)}, name, mergeId) {}

ChangeObjectCommand::ChangeObjectCommand(SceneEditTarget target, std::vector<std::size_t> rows,
                                         std::vector<norvane::SceneObject> after,
                                         const QString& name, int mergeId)
    : QUndoCommand(name), m_target(std::move(target)), m_rows(std::move(rows)),
      m_after(std::move(after)), m_mergeId(mergeId) {
    m_before.reserve(m_rows.size());
    for (std::size_t row : m_rows)
        m_before.push_back(m_target.scene->row(row));
}

void ChangeObjectCommand::redo() {
    put(m_after);
}

void ChangeObjectCommand::undo() {
    put(m_before);
}

void ChangeObjectCommand::put(const std::vector<norvane::SceneObject>& values) {
    m_target.scene->replace(m_rows, values);
    std::vector<norvane::SceneObject> touched;
    if (m_before.size() + m_after.size() <= kMostRedrawnAround) {
        touched = m_before;
        touched.insert(touched.end(), m_after.begin(), m_after.end());
    }
    m_target.show(m_rows.size() == 1 ? static_cast<int>(m_rows[0]) : kKeepSelection, touched);
}

bool ChangeObjectCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ChangeObjectCommand*>(other);
    if (next->m_rows != m_rows)
        return false;
    m_after = next->m_after;
    return true;
}
