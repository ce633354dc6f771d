#pragma once

#include <QtGlobal>

#include <cstddef>

namespace weftara::engine {

// Which base pixels take the pattern pixel in the threshold weaves.
enum class WeaveTone {
    Light, // blue, green and red are each >= the threshold
    Dark,  // blue, green and red are each <= the threshold
};

// out[i] = pattern[i] where base[i] has the tone, else base[i]; all four
// bytes of the chosen pixel are copied. out must not overlap either input.
void selectPixels(const quint32 *pattern, const quint32 *base, quint32 *out, std::size_t count,
                  WeaveTone tone, qint16 threshold);

} // namespace weftara::engine
