#pragma once

#include "workspace/workspace.h"

#include <QImage>
#include <QSize>

namespace weftara::app {

// Size of a tab button picture in pixels.
inline constexpr QSize TabButtonSize{60, 18};

// The picture of a tab's button in its selected or normal look, with the
// tab's caption. Format_RGB32.
QImage tabButtonImage(workspace::Tab tab, bool selected);

} // namespace weftara::app
