#pragma once

#include "SceneEditTarget.h"

#include <QUndoCommand>

#include <cstddef>
#include <vector>

// Gives rows new values: a move or an edit of properties. For one row, redo and undo select it;
// for several, the selection is kept. Steps of one kind (`mergeId` >= 0, such as the arrow keys'
// moves) on the same rows merge into one command.
class ChangeObjectCommand : public QUndoCommand {
public:
    ChangeObjectCommand(SceneEditTarget target, std::size_t row, norvane::SceneObject after,
                        const QString& name, int mergeId = -1);
    ChangeObjectCommand(SceneEditTarget target, std::vector<std::size_t> rows,
                        std::vector<norvane::SceneObject> after, const QString& name,
                        int mergeId = -1);
    void redo() override;
    void undo() override;
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void put(const std::vector<norvane::SceneObject>& values);

    SceneEditTarget m_target;
    std::vector<std::size_t> m_rows;
    std::vector<norvane::SceneObject> m_before;
    std::vector<norvane::SceneObject> m_after;
    int m_mergeId;
};
