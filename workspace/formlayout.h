#pragma once

#include <QRect>
#include <QSize>

namespace weftara::workspace {

// Where the tab strip goes on the form for a window of `window` pixels
// (outer size): below the control panel (690 twips), |W + 100| twips wide
// and |H - 1000| twips high, W and H the window's size in twips.
QRect tabStripRect(QSize window);

} // namespace weftara::workspace
