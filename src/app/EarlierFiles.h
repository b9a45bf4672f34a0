#pragma once

#include <QString>
#include <QStringList>

// Moves every file below `from` to the same place below `to`, unless a file already there is as
// new or newer (then both stay), and removes the folders of `from` that are left empty. Returns
// the paths of the files that could not be moved; `from` need not exist.
QStringList moveEarlierFiles(const QString& from, const QString& to);
