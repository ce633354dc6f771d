#include "app/programfolders.h"

#include "collections/picturepath.h"
#include "help/tutorial.h"
#include "recipes/recipekeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>

namespace weftara::app {

namespace {

constexpr QFileDevice::Permissions FilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions FolderPermissions =
    FilePermissions | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

// A copy belongs to the user: writable by him, whatever the installed
// files' permissions were.
bool copyFile(const QString &from, const QString &to)
{
    return QFile::copy(from, to) && QFile::setPermissions(to, FilePermissions);
}

bool copyFolderContents(const QString &from, const QString &to)
{
    QDirIterator entries(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
    const QDir source(from);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        const QString target = QDir(to).filePath(source.relativeFilePath(entry.filePath()));
        const bool copied = entry.isDir() ? QDir().mkpath(target) && QFile::setPermissions(target, FolderPermissions)
                                          : copyFile(entry.filePath(), target);
        if (!copied)
            return false;
    }
    return true;
}

// Copied into a temporary folder beside the target and renamed, so that an
// interrupted copy leaves no half collection that would count as the user's.
bool copyFolder(const QString &from, const QString &to)
{
    QTemporaryDir part(to + QStringLiteral(".part-XXXXXX"));
    if (!part.isValid() || !copyFolderContents(from, part.path()) || !QFile::setPermissions(part.path(), FolderPermissions)
        || !QDir().rename(part.path(), to))
        return false;
    part.setAutoRemove(false);
    return true;
}

} // namespace

ProgramFolders chooseProgramFolders(const ProgramPlace &place)
{
    if (!place.installedDataFolder.isEmpty())
        return {platform::ProgramFolder(place.userDataFolder), platform::ProgramFolder(place.installedDataFolder)};
    if (place.executableFolderWritable)
        return platform::ProgramFolder(place.executableFolder);
    return {platform::ProgramFolder(place.userDataFolder), platform::ProgramFolder(place.executableFolder)};
}

ProgramPlace placeOfExecutable(const QString &installedDataFolder)
{
    ProgramPlace place;
    place.executableFolder = QCoreApplication::applicationDirPath();
    const QFileInfo installed(QDir(place.executableFolder).filePath(installedDataFolder));
    if (!installedDataFolder.isEmpty() && installed.isDir())
        place.installedDataFolder = QDir::cleanPath(installed.absoluteFilePath());
    // An installed program is never written to, so its folder is not tried.
    place.executableFolderWritable = place.installedDataFolder.isEmpty() && isWritableFolder(place.executableFolder);
    place.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return place;
}

bool isWritableFolder(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".weftara-probe-XXXXXX")));
    return probe.open();
}

QStringList sampleNames()
{
    return {recipes::recipeFileName(), help::TutorialFileName.toString(),
            collections::BaseCollectionFolder.toString(), collections::PatternCollectionFolder.toString()};
}

QStringList copyMissingSamples(const platform::ProgramFolder &from, const platform::ProgramFolder &to,
                               const QStringList &names)
{
    QStringList failed;
    if (!QDir().mkpath(to.path()))
        return names;
    for (const QString &name : names) {
        if (to.findChild(name))
            continue;
        const std::optional<QString> source = from.findChild(name);
        if (!source)
            continue;
        const QString target = platform::joinPath(to.path(), name);
        const bool copied = QFileInfo(*source).isDir() ? copyFolder(*source, target) : copyFile(*source, target);
        if (!copied)
            failed << name;
    }
    return failed;
}

} // namespace weftara::app
