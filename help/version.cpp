#include "help/version.h"

namespace weftara::help {

QString programVersion()
{
    return QStringLiteral(WEFTARA_VERSION);
}

} // namespace weftara::help
