#include "RemoveObjectCommand.h"

#include <utility>

RemoveObjectCommand::RemoveObjectCommand(SceneEditTarget target, std::size_t row,
                                         const CommandVerb& verb)
    : RemoveObjectCommand(std::move(target), std::vector<std::size_t>{row}, verb) {}

RemoveObjectCommand::RemoveObjectCommand(SceneEditTarget target, std::vector<std::size_t> rows,
                                         const CommandVerb& verb)
    : m_target(std::move(target)), m_rows(std::move(rows)) {
    for (std::size_t row : m_rows)
        m_objects.push_back(m_target.scene->row(row));
    setText(changeName(verb, m_objects));
}

void RemoveObjectCommand::redo() {
    for (std::size_t i = m_rows.size(); i-- > 0;)
        m_target.scene->remove(m_rows[i]);
    const int count = static_cast<int>(m_target.scene->count());
    const int row = static_cast<int>(m_rows[0]);
    m_target.show(row < count ? row : count - 1, m_objects);
}

void RemoveObjectCommand::undo() {
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_target.scene->insert(m_rows[i], m_objects[i]);
    if (m_rows.size() == 1) {
        m_target.show(static_cast<int>(m_rows[0]), m_objects);
        return;
    }
    m_target.scene->selection().clear();
    m_target.scene->selection().add(m_rows);
    m_target.show(kKeepSelection, m_objects);
}
