#pragma once

#include <QSize>
#include <QString>

namespace weftara::workspace {

class Workspace;

// The largest zoom the slider offers, in percent.
inline constexpr double MaxZoomPercent = 500.0;

// The zoom percentage in its box: the leading number, its magnitude at most
// MaxZoomPercent (a box set by a recipe may hold anything); 0 means no zoom.
double zoomPercent(const QString &text);

// The size of a picture of `unzoomed` size zoomed by `percent`: each side
// round(|side × percent / 100|), halves to even, and at least one pixel.
QSize zoomedSize(QSize unzoomed, double percent);

// Zooms the woven picture when the woven tab is selected, else the base
// picture (which drops the pattern picture). Both start from their unzoomed
// copy.
void zoom(Workspace &ws);
// Zooms the woven picture from its unzoomed copy.
void zoomWoven(Workspace &ws);

} // namespace weftara::workspace
