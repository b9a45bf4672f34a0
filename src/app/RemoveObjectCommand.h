#pragma once

#include "SceneEditTarget.h"

#include <QUndoCommand>

#include <cstddef>

// Removes one row ("Remove Object", Delete, Cut). Redo selects the row that took its place, or
// the new last row; undo puts the object back at its row and selects it.
class RemoveObjectCommand : public QUndoCommand {
public:
    RemoveObjectCommand(SceneEditTarget target, std::size_t row, const QString& verb);
    void redo() override;
    void undo() override;

private:
    SceneEditTarget m_target;
    std::size_t m_row;
    norvane::SceneObject m_object;
};
