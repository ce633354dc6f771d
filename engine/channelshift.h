#pragma once

#include <QtGlobal>

#include <cstddef>

namespace weftara::engine {

// Signed amounts added to the three colour bytes of every pixel.
struct ChannelShift
{
    int blue = 0;
    int green = 0;
    int red = 0;
};

// Adds the shift to each colour byte of a row of RGB32 pixels, clamps each
// sum to 0..255 and rebuilds the pixel (byte 3 becomes 0).
void shiftRow(quint8 *row, std::size_t pixels, ChannelShift shift);

// Adds add[x] to the colour bytes of pixel x, each sum at most 255, and
// rebuilds the pixel. add[x] holds the amount in bytes 0 to 2 and 0 in byte 3.
void brightenRow(quint8 *row, const quint32 *add, std::size_t pixels);

} // namespace weftara::engine
