#pragma once

#include <QImage>

namespace weftara::testing {

// Equal size and all four bytes of every pixel equal (byte 3 included).
bool samePixels(const QImage &a, const QImage &b);
// Equal size and the three colour bytes of every pixel equal.
bool sameColours(const QImage &a, const QImage &b);

// An RGB32 picture with a different colour at every pixel.
QImage variedPicture(int width, int height);

} // namespace weftara::testing
