#pragma once

#include <QImage>

namespace weftara::engine {

// Edge fades: every colour byte gains round-half-even(p × step), at most 255,
// with step = (255 / (N - 1)) × 0.2, so the gain rises from 0 to 51 across
// the picture; the pixel is rebuilt (byte 3 becomes 0). A picture only one
// pixel across in the fade's direction (N = 1) gains nothing. Each returns
// false and changes nothing when the image cannot be read (see isReadable).

// p = row counted from the bottom, N = height: brightest at the top.
bool fadeTowardTop(QImage &image);

// p = column from the left, N = width: brightest at the right.
bool fadeTowardRight(QImage &image);

// p = column from the right, N = width: brightest at the left.
bool fadeTowardLeft(QImage &image);

} // namespace weftara::engine
