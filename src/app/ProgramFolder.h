#pragma once

#include <QString>

#include <functional>

// The program's folder: where tester.wrl, Manual.htm, the music files and the five textures lie
// and where the file dialogs start.

// The places the program's folder is chosen from.
struct ProgramFolderPlaces {
    QString executableFolder; // the folder of the running executable
    QString dataFolder;       // the installed read-only data (share/norvane); may not exist
    QString userFolder;       // the per-user folder, for an executable in a read-only folder
    QString earlierFolder;    // where earlier versions kept the per-user files; may not exist
};

// The places of the running program: its executable's folder, the data folder of its install
// prefix, $XDG_DATA_HOME/norvane (~/.local/share/norvane) and the folder below it that earlier
// versions used ($XDG_DATA_HOME/Norvane/norvane).
ProgramFolderPlaces installedPlaces();

// True when the program can create files in `folder` (tried, not guessed from permissions).
bool canWriteIn(const QString& folder);

// The executable's folder when `canWrite` says so, otherwise the user folder, created when
// missing, into which the files of the earlier folder are moved (a newer file of the same name
// stays). Every texture missing in the chosen folder is copied there from the data folder.
// Throws norvane::Error naming the folder when the user folder cannot be created, or naming the
// files that could not be moved once the rest is done.
QString prepareProgramFolder(const ProgramFolderPlaces& places,
                             const std::function<bool(const QString&)>& canWrite = canWriteIn);
