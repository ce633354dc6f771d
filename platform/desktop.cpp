#include "platform/desktop.h"

namespace weftara::platform {

bool startFirstInstalled(Desktop &desktop, std::span<const QStringView> programs)
{
    for (const QStringView name : programs) {
        const QString path = desktop.findProgram(name.toString());
        // The first one installed is the one; the next is not tried.
        if (!path.isEmpty())
            return desktop.startProgram(path);
    }
    return false;
}

} // namespace weftara::platform
