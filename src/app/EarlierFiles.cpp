#include "EarlierFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <functional>

namespace {

// True when `target` is missing or older than `source`, so that the move may replace it.
bool mayReplace(const QFileInfo& source, const QFileInfo& target) {
    return !target.exists() || target.lastModified() < source.lastModified();
}

// Moves one file, by renaming or else by copying; true when it is in place or the newer one
// stays.
bool moveFile(const QString& source, const QString& target) {
    const QFileInfo from(source), to(target);
    if (!mayReplace(from, to))
        return true;
    if (!QDir().mkpath(to.absolutePath()) || (to.exists() && !QFile::remove(target)))
        return false;
    if (QFile::rename(source, target))
        return true;
    return QFile::copy(source, target) && QFile::remove(source);
}

// Removes the empty folders below `root` and `root` itself when it ends empty.
void removeEmptyFolders(const QString& root) {
    QDirIterator folders(root, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
    QStringList found;
    while (folders.hasNext())
        found << folders.next();
    std::sort(found.begin(), found.end(), std::greater<>()); // deepest first
    for (const QString& folder : found)
        QDir().rmdir(folder);
    QDir().rmdir(root);
}

} // namespace

QStringList moveEarlierFiles(const QString& from, const QString& to) {
    QStringList failed;
    if (from.isEmpty() || !QFileInfo(from).isDir())
        return failed;
    const QDir source(from), target(to);
    QDirIterator files(from, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (!moveFile(path, target.filePath(source.relativeFilePath(path))))
            failed << path;
    }
    removeEmptyFolders(from);
    return failed;
}
