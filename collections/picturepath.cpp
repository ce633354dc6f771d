#include "collections/picturepath.h"

#include "platform/filenames.h"
#include "platform/programfolder.h"

#include <QDir>
#include <QFileInfo>

namespace weftara::collections {

bool pictureFileExists(const QString &path)
{
    return platform::isFile(path);
}

QString resolvePicturePath(const QString &path, const platform::ProgramFolder &programFolder,
                           QStringView fallbackFolder)
{
    if (pictureFileExists(path))
        return path;
    const QString folder =
        programFolder.findChild(fallbackFolder)
            .value_or(platform::joinPath(programFolder.path(), fallbackFolder));
    const QString name = platform::fileNameOf(path);
    if (name.contains(QChar(u'\0')))
        return platform::joinPath(folder, name);
    return platform::findChildIgnoringCase(folder, name).value_or(platform::joinPath(folder, name));
}

namespace {

bool isFolder(const QString &path)
{
    return !path.isEmpty() && !path.contains(QChar(u'\0')) && QFileInfo(path).isDir();
}

std::optional<QString> ownFolder(const platform::ProgramFolder &programFolder, QStringView name)
{
    std::optional<QString> folder = programFolder.findChild(name);
    if (folder && !isFolder(*folder))
        return std::nullopt;
    return folder;
}

} // namespace

std::optional<QString> collectionFolderToFill(const QString &storedFolder,
                                              const platform::ProgramFolder &programFolder,
                                              QStringView collectionFolder)
{
    if (isFolder(storedFolder))
        return storedFolder;
    return ownFolder(programFolder, collectionFolder);
}

QString folderPanelStart(const QString &storedFolder, const platform::ProgramFolder &programFolder,
                         QStringView collectionFolder)
{
    if (isFolder(storedFolder))
        return storedFolder;
    // The home folder stands in for the root of the system drive.
    return ownFolder(programFolder, collectionFolder).value_or(QDir::homePath());
}

} // namespace weftara::collections
