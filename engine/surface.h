#pragma once

#include <QImage>
#include <QtGlobal>

#include <cstddef>

namespace weftara::engine {

// Pixel operations work on images in the 32-bit RGB32 memory layout (blue,
// green, red, unused). A null image (no pixels, also width or height 0) or an
// image in any other format cannot be read: an operation on it changes
// nothing and reports false, and the caller still redraws its surface.
bool isReadable(const QImage &image) noexcept;

// Runs rowWork(row, pixels, bufferRow) once for every row of a readable
// image, in place on the image's own memory; bufferRow counts rows from the
// bottom (0 = bottom row), as the pixel buffer numbers them. The per-pixel
// operations touch only their own pixel, so this gives the same picture as
// copying into a pixel buffer, working there and copying back, without the
// two copies. Returns false, changing nothing, when the image cannot be read.
template <class RowWork>
bool forEachRow(QImage &image, RowWork &&rowWork)
{
    if (!isReadable(image))
        return false;
    const int height = image.height();
    const auto pixels = std::size_t(image.width());
    const qsizetype stride = image.bytesPerLine();
    quint8 *top = image.bits();
    for (int y = 0; y < height; ++y)
        rowWork(top + qsizetype(y) * stride, pixels, height - 1 - y);
    return true;
}

} // namespace weftara::engine
