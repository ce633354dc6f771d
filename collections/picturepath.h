#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace weftara::platform {
class ProgramFolder;
}

namespace weftara::collections {

// The folders in the program folder that stand in for a recorded picture
// path that no longer exists; found without regard to letter case.
inline constexpr QStringView BaseFallbackFolder = u"motoe";
inline constexpr QStringView PatternFallbackFolder = u"garae";

// The collections' own folders in the program folder (the same folders as
// the fallback folders, in any letter case).
inline constexpr QStringView BaseCollectionFolder = u"Motoe";
inline constexpr QStringView PatternCollectionFolder = u"Garae";

// True when a file (not a folder) exists at the path. A path the file
// system cannot take at all (empty, holding a NUL) counts as missing.
bool pictureFileExists(const QString &path);

// The path a loader should open: the path itself when a file exists there,
// otherwise the file of the same name (any letter case) in the program
// folder's fallback folder (`fallbackFolder`, any letter case). When neither
// exists the fallback path is still returned; opening it then fails.
QString resolvePicturePath(const QString &path, const platform::ProgramFolder &programFolder,
                           QStringView fallbackFolder);

// The folder a collection is filled from: the stored folder when it is an
// existing folder, otherwise the program folder's `collectionFolder` (any
// letter case); nullopt when that does not exist either.
std::optional<QString> collectionFolderToFill(const QString &storedFolder,
                                              const platform::ProgramFolder &programFolder,
                                              QStringView collectionFolder);

// The folder the folder panel opens on: the stored folder when it is an
// existing folder, otherwise the program folder's `collectionFolder` (any
// letter case), otherwise the user's home folder.
QString folderPanelStart(const QString &storedFolder, const platform::ProgramFolder &programFolder,
                         QStringView collectionFolder);

} // namespace weftara::collections
