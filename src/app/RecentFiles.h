#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// The scene files opened or saved last, most recent first, kept in the user's settings so the
// list outlives the program. Each path is canonical and listed once; the settings are not owned
// and must outlive the list.
class RecentFiles {
public:
    static constexpr qsizetype kMaxCount = 8;

    explicit RecentFiles(QSettings& settings) : m_settings(settings) {}

    // The remembered paths, most recent first; at most kMaxCount.
    QStringList paths() const;
    // Puts the canonical form of `path` first, dropping an older entry of it and the oldest
    // entry beyond kMaxCount.
    void add(const QString& path);
    // Forgets `path` as listed by paths().
    void remove(const QString& path);
    void clear();

private:
    void store(QStringList paths);

    QSettings& m_settings;
};
