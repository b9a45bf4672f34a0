#include "ProgramFolder.h"

#include "EarlierFiles.h"

#include "scene/Error.h"
#include "vrml/WorldLooks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

// Copies each texture that `folder` lacks from `dataFolder`, where it has one.
void copyMissingTextures(const QString& dataFolder, const QString& folder) {
    for (const std::string_view name : norvane::kTextureFiles) {
        const QString target = QDir(folder).filePath(QLatin1String(name));
        const QString source = QDir(dataFolder).filePath(QLatin1String(name));
        if (!QFile::exists(target) && QFile::exists(source))
            QFile::copy(source, target);
    }
}

QString userFolderMade(const QString& folder) {
    if (folder.isEmpty() || !QDir().mkpath(folder))
        throw norvane::Error(QCoreApplication::translate(
                                 "ProgramFolder", "Cannot create Norvane's folder %1 for the "
                                                  "preview, the manual and the music files")
                                 .arg(folder)
                                 .toStdString());
    return folder;
}

} // namespace

// Not AppLocalDataLocation: Qt puts the organisation's name of the settings store before the
// application's there, as earlier versions had it.
ProgramFolderPlaces installedPlaces() {
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QDir data(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return {executableFolder,
            QDir::cleanPath(QDir(executableFolder).filePath(QStringLiteral(NORVANE_DATA_FROM_BIN))),
            data.filePath(QStringLiteral("norvane")),
            data.filePath(QStringLiteral("Norvane/norvane"))};
}

bool canWriteIn(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".norvane-XXXXXX")));
    return probe.open();
}

QString prepareProgramFolder(const ProgramFolderPlaces& places,
                             const std::function<bool(const QString&)>& canWrite) {
    if (canWrite(places.executableFolder)) {
        copyMissingTextures(places.dataFolder, places.executableFolder);
        return places.executableFolder;
    }
    const QString folder = userFolderMade(places.userFolder);
    const QStringList unmoved = moveEarlierFiles(places.earlierFolder, folder);
    if (!places.earlierFolder.isEmpty()) // the organisation's folder, when nothing else is there
        QDir().rmdir(QFileInfo(places.earlierFolder).absolutePath());
    copyMissingTextures(places.dataFolder, folder);
    if (!unmoved.isEmpty())
        throw norvane::Error(QCoreApplication::translate("ProgramFolder", "Cannot move %1 into %2")
                                 .arg(unmoved.join(QStringLiteral(", ")), folder)
                                 .toStdString());
    return folder;
}
