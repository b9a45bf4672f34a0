#include "RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kKey = QStringLiteral("recentFiles");

// The path with links and dots resolved; a file that is gone keeps its absolute path.
QString canonical(const QString& path) {
    const QFileInfo file(path);
    const QString resolved = file.canonicalFilePath();
    return resolved.isEmpty() ? file.absoluteFilePath() : resolved;
}

} // namespace

QStringList RecentFiles::paths() const {
    return m_settings.value(kKey).toStringList().mid(0, kMaxCount);
}

void RecentFiles::add(const QString& path) {
    const QString entry = canonical(path);
    QStringList list = paths();
    list.removeAll(entry);
    list.prepend(entry);
    store(list);
}

void RecentFiles::remove(const QString& path) {
    QStringList list = paths();
    list.removeAll(path);
    store(list);
}

void RecentFiles::clear() {
    store({});
}

void RecentFiles::store(QStringList paths) {
    if (paths.size() > kMaxCount)
        paths.resize(kMaxCount);
    m_settings.setValue(kKey, paths);
    m_settings.sync();
}
