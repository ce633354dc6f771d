#pragma once

#include <QIcon>

namespace weftara::help {

// The program's icon (warp and weft over a picture) at every size drawn.
QIcon programIcon();

} // namespace weftara::help
