#include "SceneTemplates.h"

#include <QDir>
#include <QFileInfo>

QString templateFolder(const ProgramFolderPlaces& places) {
    const QString beside = QDir(places.executableFolder).filePath(QStringLiteral("templates"));
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir(places.dataFolder).filePath(QStringLiteral("templates"));
}
