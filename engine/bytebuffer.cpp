#include "engine/bytebuffer.h"

#include "engine/surface.h"

#include <algorithm>
#include <cstring>

namespace weftara::engine {

ByteBuffer::ByteBuffer(qsizetype rowBytes, int rows)
    : m_rowBytes(rowBytes > 0 ? rowBytes : 0)
    , m_rows(rows > 0 ? rows : 0)
    , m_bytes(std::size_t(m_rowBytes) * std::size_t(m_rows), 0)
{
}

std::optional<ByteBuffer> ByteBuffer::measure(const QImage &base)
{
    if (!isReadable(base))
        return std::nullopt;
    return ByteBuffer(base.bytesPerLine(), base.height());
}

void ByteBuffer::readFrom(const QImage &image)
{
    const qsizetype held = image.isNull() ? 0 : std::min(size(), image.sizeInBytes());
    if (held > 0)
        std::memcpy(m_bytes.data(), image.constBits(), std::size_t(held));
    std::fill(m_bytes.begin() + held, m_bytes.end(), quint8(0));
}

void ByteBuffer::writeTo(QImage &image) const
{
    const qsizetype fits = image.isNull() ? 0 : std::min(size(), image.sizeInBytes());
    if (fits > 0)
        std::memcpy(image.bits(), m_bytes.data(), std::size_t(fits));
}

} // namespace weftara::engine
