#pragma once

#include <QtGlobal>

#include <cstddef>

namespace weftara::engine {

// Which base pixels take the pattern pixel in the threshold weaves.
enum class WeavePart {
    Light = 0, // blue, green and red are each >= the threshold
    Dark = 1,  // blue, green and red are each <= the threshold
};

// out[i] = pattern[i] where base[i] lies in the part, else base[i]; all four
// bytes of the chosen pixel are copied. out must not overlap either input.
void selectPixels(const quint32 *pattern, const quint32 *base, quint32 *out, std::size_t count,
                  WeavePart part, qint16 threshold);

} // namespace weftara::engine
