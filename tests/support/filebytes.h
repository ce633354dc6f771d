#pragma once

#include <QByteArray>
#include <QString>

namespace weftara::testing {

// Writes raw bytes, replacing the file; false when that fails.
bool writeBytes(const QString &path, const QByteArray &bytes);
// The file's bytes; empty when it cannot be read.
QByteArray readBytes(const QString &path);

} // namespace weftara::testing
