#include "engine/pixelbuffer.h"

#include "engine/surface.h"

#include <cstring>

namespace weftara::engine {

PixelBuffer::PixelBuffer(int width, int height)
    : m_width(width > 0 ? width : 0)
    , m_height(height > 0 ? height : 0)
    , m_values(std::size_t(m_width) * std::size_t(m_height), 0)
{
}

std::optional<PixelBuffer> PixelBuffer::read(const QImage &image)
{
    if (!isReadable(image))
        return std::nullopt;
    PixelBuffer buffer(image.width(), image.height());
    const std::size_t rowBytes = std::size_t(buffer.m_width) * sizeof(qint32);
    for (int y = 0; y < buffer.m_height; ++y)
        std::memcpy(&buffer.m_values[std::size_t(buffer.indexOf(0, y))], image.constScanLine(y), rowBytes);
    return buffer;
}

bool PixelBuffer::writeTo(QImage &image) const
{
    if (!isReadable(image) || image.width() != m_width || image.height() != m_height)
        return false;
    const std::size_t rowBytes = std::size_t(m_width) * sizeof(qint32);
    for (int y = 0; y < m_height; ++y)
        std::memcpy(image.scanLine(y), &m_values[std::size_t(indexOf(0, y))], rowBytes);
    return true;
}

} // namespace weftara::engine
