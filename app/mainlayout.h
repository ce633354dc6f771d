#pragma once

#include "app/windowgeometry.h"

#include <QPoint>
#include <QRect>
#include <QStringList>

namespace weftara::workspace {
class OperationLog;
} // namespace weftara::workspace

namespace weftara::app {

// Placements of the main window's fixed parts, in twips.

// The control panel `Frame1` at the top left.
inline constexpr QRect Frame1Geometry{0, 0, 8205, 690};

// The tab strip below `Frame1`, for a window of outer size W × H:
// left 0, top 690, width |W + 100|, height |H − 1000|. It reaches 100 twips
// past the window's right edge; the absolute values keep a very small
// window's tab strip from getting a negative size.
QRect tabStripGeometry(int windowWidth, int windowHeight);

// The tab buttons `Picture4(i)` / `Picture5(i)`, i = 0 … 4: 50 + 1000 × i
// right of the tab strip's left edge and 40 below its top.
QPoint tabButtonPosition(QPoint tabStripTopLeft, int index);

// The "Size" group for a window geometry: "Left=", "Top=", "Width=",
// "Height=" with numbers as the log writes them (" 1500"), then "Size".
QStringList sizeGroup(const WindowGeometry &geometry);

// A resize: when the log ends in a "Size" group (at least five lines, the
// last beginning with "Size") that group is replaced, otherwise the new
// group is appended. Any number of resizes in a row leave one group.
void recordSize(workspace::OperationLog &log, const WindowGeometry &geometry);

} // namespace weftara::app
