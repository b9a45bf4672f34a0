#pragma once

#include "SceneEditTarget.h"

#include <QUndoCommand>

#include <cstddef>
#include <vector>

// Removes rows ("Remove Object", Delete, Cut). Redo selects the row that took the first one's
// place, or the new last row; undo puts the objects back at their rows and selects them.
class RemoveObjectCommand : public QUndoCommand {
public:
    // Named as `verb` names a change of one object or, with several rows, of several.
    RemoveObjectCommand(SceneEditTarget target, std::size_t row, const CommandVerb& verb);
    // `rows` ascending.
    RemoveObjectCommand(SceneEditTarget target, std::vector<std::size_t> rows,
                        const CommandVerb& verb);
    void redo() override;
    void undo() override;

private:
    SceneEditTarget m_target;
    std::vector<std::size_t> m_rows;
    std::vector<norvane::SceneObject> m_objects;
};
