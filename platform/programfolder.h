#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace weftara::platform {

// The part of a path after its last separator ("\" or "/"); empty when the
// path has no separator. "C:\pics\a.bmp" -> "a.bmp", "a.bmp" -> "".
QString fileNameOf(QStringView path);

// Joins a folder and a name with one "/" between them; a "\" or "/" already
// ending the folder is not doubled, and an empty folder gives the name.
QString joinPath(QStringView folder, QStringView name);

// The full path of the entry of `folder` whose name equals `name` without
// regard to letter case (an exact match wins); nullopt when there is none.
std::optional<QString> findChildIgnoringCase(const QString &folder, QStringView name);

// Resolves a relative path ("motoe\a.bmp", "Garae/") below `folder`, matching
// every component without regard to letter case. Components that do not
// exist are kept as written, so the result is always a usable path.
QString resolveIgnoringCase(const QString &folder, QStringView relative);

// The folder the program's own files live in (settings, recipes, tutorial,
// fallback picture folders). A plain value: the window gets the
// executable's folder, tests construct one on a temporary folder.
class ProgramFolder
{
public:
    explicit ProgramFolder(QString path);

    // The folder of the running executable.
    static ProgramFolder ofExecutable();

    // The folder itself, without a trailing separator.
    const QString &path() const { return m_path; }

    // A file or folder inside, resolved as resolveIgnoringCase does:
    // filePath("weftara.ini") finds "Weftara.ini" when that exists.
    QString filePath(QStringView relative) const;

    // The existing child with this name in any letter case, or nullopt.
    std::optional<QString> findChild(QStringView name) const;

private:
    QString m_path;
};

} // namespace weftara::platform
