#pragma once

#include <QImage>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace weftara::engine {

// An image's raw bytes: rows top-down, rowBytes() bytes a row (the image's
// bytes per line), addressed 1-based as (byte within the row, row). Pixel j
// of a row occupies bytes 4j-3 (blue), 4j-2 (green), 4j-1 (red), 4j (unused).
class ByteBuffer
{
public:
    ByteBuffer(qsizetype rowBytes, int rows);

    // A zeroed buffer measured from the base image (its rows and bytes per
    // line); nullopt when the image cannot be read.
    static std::optional<ByteBuffer> measure(const QImage &base);

    // Copies the image's first size() bytes; bytes it does not hold stay 0.
    void readFrom(const QImage &image);

    // Writes the first size() bytes into the image, only as many as it holds.
    void writeTo(QImage &image) const;

    qsizetype rowBytes() const noexcept { return m_rowBytes; }
    int rows() const noexcept { return m_rows; }
    qsizetype size() const noexcept { return qsizetype(m_bytes.size()); }

    quint8 &at(qsizetype j, int i) noexcept { return m_bytes[offset(j, i)]; }
    quint8 at(qsizetype j, int i) const noexcept { return m_bytes[offset(j, i)]; }

    const quint8 *data() const noexcept { return m_bytes.data(); }
    quint8 *data() noexcept { return m_bytes.data(); }

private:
    std::size_t offset(qsizetype j, int i) const noexcept
    {
        return std::size_t(qsizetype(i - 1) * m_rowBytes + (j - 1));
    }

    qsizetype m_rowBytes;
    int m_rows;
    std::vector<quint8> m_bytes;
};

} // namespace weftara::engine
