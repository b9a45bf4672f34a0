// Scene files dropped on the window: one local file whose name ends in ".NSC" (in any case)
// opens like Open, after the same unsaved-data guard; every other drop is refused.
#include "MainEditor.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

// The path of the one local scene file `data` carries, or "" when it carries anything else.
QString droppedSceneFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    return path.endsWith(QStringLiteral(".nsc"), Qt::CaseInsensitive) ? path : QString();
}

// Accepting shows the drop cursor; ignoring shows that the window will not take the drop.
void acceptSceneFile(QDropEvent* event) {
    if (droppedSceneFile(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

} // namespace

void MainEditor::dragEnterEvent(QDragEnterEvent* event) {
    acceptSceneFile(event);
}

void MainEditor::dragMoveEvent(QDragMoveEvent* event) {
    acceptSceneFile(event);
}

// The guard's question waits for the user, which must not hold up the drag's source: the file
// opens once the drop has returned.
void MainEditor::dropEvent(QDropEvent* event) {
    acceptSceneFile(event);
    const QString path = droppedSceneFile(event->mimeData());
    if (event->isAccepted())
        QMetaObject::invokeMethod(
            this, [this, path] { openDroppedFile(path); }, Qt::QueuedConnection);
}

void MainEditor::openDroppedFile(const QString& path) {
    if (mayEraseUnsavedData())
        openSceneFile(path);
}
