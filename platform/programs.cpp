#include "platform/programs.h"

#include <QProcess>
#include <QStandardPaths>

namespace weftara::platform {

std::optional<QString> startFirstProgram(const QStringList &programs, const QStringList &searchPath)
{
    for (const QString &program : programs) {
        const QString path = QStandardPaths::findExecutable(program, searchPath);
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return program;
    }
    return std::nullopt;
}

} // namespace weftara::platform
