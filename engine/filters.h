#pragma once

#include <QImage>
#include <QtGlobal>

namespace weftara::engine {

// Tone and colour filters. Each rewrites every pixel of an RGB32 image in
// place, clamps each colour byte to 0..255 and rebuilds the pixel, so byte 3
// becomes 0. Each returns false and changes nothing when the image cannot be
// read (see isReadable).

// Adds amount to blue, green and red.
bool shiftBrightness(QImage &image, qint16 amount);

// Grey: round-half-even((0.587 × green + 0.299 × red) + 0.114 × blue) in all
// three colour bytes.
bool toGray(QImage &image);

// Solarise: a colour byte of 128 or more becomes 255 - byte.
bool solarize(QImage &image);

// Emphasis: a colour byte above 100 becomes round-half-even(byte × 1.3), at
// most 255.
bool emphasize(QImage &image);

// Which channel a colour step raises or lowers. The numbers are written to
// recipes after "Command8=".
enum class ChannelStep : int {
    BlueUp = 0,
    GreenUp = 1,
    RedUp = 2,
    BlueDown = 3,
    GreenDown = 4,
    RedDown = 5,
};

// Moves one channel by step. A value outside the enum (a recipe line with
// another number) leaves the colours as they are; the pixels are still rebuilt.
bool stepChannel(QImage &image, ChannelStep channel, qint16 step);

} // namespace weftara::engine
