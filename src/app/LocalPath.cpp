#include "LocalPath.h"

#include <QDir>
#include <QFile>

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString pathInDirectory(const QString& directory, const QString& name) {
    return QDir(directory).filePath(name);
}
