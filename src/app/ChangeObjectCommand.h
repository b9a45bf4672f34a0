#pragma once

#include "SceneEditTarget.h"

#include <QUndoCommand>

#include <cstddef>

// Gives one row new values: a move or an edit of its properties. Redo and undo select the row.
// Steps of one kind (`mergeId` >= 0, such as the arrow keys' moves) on the same row merge into
// one command.
class ChangeObjectCommand : public QUndoCommand {
public:
    ChangeObjectCommand(SceneEditTarget target, std::size_t row, norvane::SceneObject after,
                        const QString& name, int mergeId = -1);
    void redo() override;
    void undo() override;
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    SceneEditTarget m_target;
    std::size_t m_row;
    norvane::SceneObject m_before;
    norvane::SceneObject m_after;
    int m_mergeId;
};
