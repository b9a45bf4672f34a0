#include "RemoveObjectCommand.h"

#include <utility>

RemoveObjectCommand::RemoveObjectCommand(SceneEditTarget target, std::size_t row,
                                         const QString& verb)
    : m_target(std::move(target)), m_row(row), m_object(m_target.scene->row(row)) {
    setText(verb + QLatin1Char(' ') + QString::fromStdString(m_object.kind));
}

void RemoveObjectCommand::redo() {
    m_target.scene->remove(m_row);
    const int count = static_cast<int>(m_target.scene->count());
    const int row = static_cast<int>(m_row);
    m_target.show(row < count ? row : count - 1, {m_object});
}

void RemoveObjectCommand::undo() {
    m_target.scene->insert(m_row, m_object);
    m_target.show(static_cast<int>(m_row), {m_object});
}
