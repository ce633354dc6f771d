#include "platform/qtdesktop.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace weftara::platform {

bool QtDesktop::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

QString QtDesktop::findProgram(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

bool QtDesktop::startProgram(const QString &path)
{
    return QProcess::startDetached(path, {});
}

} // namespace weftara::platform
