#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class QFile;

namespace weftara::platform {

// File names byte for byte. The file system holds names as bytes and Qt
// reads them as UTF-8, leaving out every name that is not valid UTF-8 (a
// disc or an archive from an old Windows holds Shift-JIS names). Here each
// byte that is not part of valid UTF-8 stands as the lone surrogate
// U+DC00 + byte, so that such a name can be listed, shown and opened again.

// The name for the bytes; valid UTF-8 reads as Qt reads it.
QString decodeFileName(QByteArrayView bytes);
// The bytes for a name or path made by decodeFileName (or by Qt).
QByteArray encodeFileName(QStringView name);
// The name for showing: kept bytes show as U+FFFD.
QString displayFileName(QString name);

// The regular files in `folder` (links to them too), as full paths, in no
// particular order; hidden files (names starting with ".") are left out.
// nullopt when the folder cannot be read.
std::optional<QStringList> filesInFolder(const QString &folder);
// True when a regular file (or a link to one) is at the path.
bool isFile(const QString &path);
// Opens `file` for reading from `path`, whatever bytes its name holds.
bool openForReading(QFile &file, const QString &path);

} // namespace weftara::platform
