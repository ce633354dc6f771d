#pragma once

#include <QtGlobal>

namespace weftara::engine {

// A pixel value is one 32-bit word as the screen shows it: byte 0 blue,
// byte 1 green, byte 2 red, byte 3 unused.

constexpr quint8 blueOf(qint32 value) noexcept
{
    return quint8(value & 0xFF);
}

constexpr quint8 greenOf(qint32 value) noexcept
{
    return quint8((value >> 8) & 0xFF);
}

constexpr quint8 redOf(qint32 value) noexcept
{
    return quint8((value >> 16) & 0xFF);
}

// Packs three colour bytes into a pixel value; byte 3 of a rebuilt pixel is 0.
constexpr qint32 makePixel(quint8 blue, quint8 green, quint8 red) noexcept
{
    return qint32(quint32(blue) | (quint32(green) << 8) | (quint32(red) << 16));
}

constexpr quint8 clampToByte(int value) noexcept
{
    return quint8(value < 0 ? 0 : (value > 255 ? 255 : value));
}

} // namespace weftara::engine
