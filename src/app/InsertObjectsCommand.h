#pragma once

#include "SceneEditTarget.h"

#include <QUndoCommand>

#include <cstddef>
#include <vector>

// Inserts objects as consecutive rows from `row` on: placing, pasting and duplicating. Redo
// selects the inserted rows; undo removes them and selects what was selected before.
class InsertObjectsCommand : public QUndoCommand {
public:
    InsertObjectsCommand(SceneEditTarget target, std::size_t row,
                         std::vector<norvane::SceneObject> objects, const QString& name);
    void redo() override;
    void undo() override;

private:
    SceneEditTarget m_target;
    std::size_t m_row;
    std::vector<norvane::SceneObject> m_objects;
    int m_selectedBefore;
};
