#include "help/programicon.h"

namespace weftara::help {

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/io.github.weftara.Weftara.png").arg(size));
    return icon;
}

} // namespace weftara::help
