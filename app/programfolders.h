#pragma once

#include "platform/programfolder.h"

#include <QString>
#include <QStringList>

namespace weftara::app {

// The two folders the program works with. In a build folder or a portable
// copy both are the program's own folder, as before anything was installed.
// An installed program brings its files in a shared data folder it never
// writes to, and keeps the user's files in the user's data folder.
struct ProgramFolders
{
    // One folder for everything (on purpose not explicit: a build folder,
    // a portable copy, a test's temporary folder).
    ProgramFolders(platform::ProgramFolder folder)
        : files(folder)
        , shipped(std::move(folder))
    {
    }
    ProgramFolders(platform::ProgramFolder files, platform::ProgramFolder shipped)
        : files(std::move(files))
        , shipped(std::move(shipped))
    {
    }

    // Written to: the settings, the recipes, the tutorial text, and the
    // collections and fallback folders.
    platform::ProgramFolder files;
    // Read only: the help pages, and the samples the first start copies.
    platform::ProgramFolder shipped;
};

// Where the program finds itself.
struct ProgramPlace
{
    QString executableFolder;
    bool executableFolderWritable = false;
    // The data folder an installation put beside bin/ (share/weftara), when
    // it exists; empty otherwise.
    QString installedDataFolder;
    // The user's data folder for the program (~/.local/share/Weftara).
    QString userDataFolder;
};

// Installed: the installed data folder and the user's data folder. Not
// installed: the program's folder when it can be written to, otherwise the
// user's data folder with the program's folder for what it brings.
ProgramFolders chooseProgramFolders(const ProgramPlace &place);

// The place of the running program, the installed data folder looked for
// at `installedDataFolder` relative to the executable's folder.
ProgramPlace placeOfExecutable(const QString &installedDataFolder);

// True when a file can be made in the folder (tried, not guessed from the
// permission bits).
bool isWritableFolder(const QString &folder);

// The files and folders the program brings that the user makes his own.
QStringList sampleNames();

// Copies each of `names` (a file or a folder, found in any letter case)
// from `from` to `to` when `to` has nothing of that name yet; the user's
// own files are never replaced. A folder is copied whole or not at all.
// Returns the names that could not be copied.
QStringList copyMissingSamples(const platform::ProgramFolder &from, const platform::ProgramFolder &to,
                               const QStringList &names);

} // namespace weftara::app
