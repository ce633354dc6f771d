#pragma once

#include <QImage>
#include <QtGlobal>

namespace weftara::engine {

// Tone and colour filters. Each rewrites every pixel of an RGB32 image in
// place, clamps each colour byte to 0..255 and rebuilds the pixel, so byte 3
// becomes 0. Each returns false and changes nothing when the image cannot be
// read (see isReadable).

// Adds zoukaryou to blue, green and red.
bool akarusa(QImage &pic, qint16 zoukaryou);

// Grey: round-half-even((0.587 × green + 0.299 × red) + 0.114 × blue) in all
// three colour bytes.
bool Hai(QImage &pic);

// Solarise: a colour byte of 128 or more becomes 255 - byte.
bool Sora(QImage &pic);

// Emphasis: a colour byte above 100 becomes round-half-even(byte × 1.3), at
// most 255.
bool Kyoucyou(QImage &pic);

// Moves one channel by step: index 0 blue +, 1 green +, 2 red +, 3 blue -,
// 4 green -, 5 red -. Any other index leaves the colours as they are (the
// pixels are still rebuilt).
bool Iro(QImage &pic, int index, qint16 step);

} // namespace weftara::engine
