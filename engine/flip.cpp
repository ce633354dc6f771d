#include "engine/flip.h"

#include "engine/surface.h"

#include <algorithm>
#include <cstring>

namespace weftara::engine {

QImage flipped(const QImage &src, Flip kind)
{
    const bool flipRows = kind != Flip::LeftRight;
    const bool flipColumns = kind != Flip::TopBottom;
    if (!isReadable(src))
        return src.mirrored(flipColumns, flipRows);

    const int width = src.width();
    const int height = src.height();
    QImage out(width, height, QImage::Format_RGB32);
    if (out.isNull())
        return out;
    out.setDotsPerMeterX(src.dotsPerMeterX());
    out.setDotsPerMeterY(src.dotsPerMeterY());
    const auto rowBytes = std::size_t(width) * sizeof(quint32);
    for (int y = 0; y < height; ++y) {
        const auto *from = reinterpret_cast<const quint32 *>(src.constScanLine(y));
        auto *to = reinterpret_cast<quint32 *>(out.scanLine(flipRows ? height - 1 - y : y));
        if (flipColumns)
            std::reverse_copy(from, from + width, to);
        else
            std::memcpy(to, from, rowBytes);
    }
    return out;
}

} // namespace weftara::engine
