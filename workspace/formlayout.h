#pragma once

#include <QRect>

namespace weftara::workspace {

// Where the tab strip goes, in twips, for a window of outer size W × H twips:
// below the control panel, |W + 100| wide and |H − 1000| high. It reaches
// 100 twips past the window's right edge; the absolute values keep a very
// small window's tab strip from getting a negative size.
QRect tabStripTwips(int windowWidth, int windowHeight);

} // namespace weftara::workspace
