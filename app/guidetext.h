#pragma once

#include <QString>

namespace weftara::app {

// The guide shown in the tab strip's client area until the first tab is
// chosen: 27 lines, each ended by CR LF.
QString guideText();

} // namespace weftara::app
