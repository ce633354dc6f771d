#pragma once

#include <QImage>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace weftara::engine {

// W × H pixel values, rows bottom-up and packed: index 0 is the bottom-left
// pixel, and the pixel at (x, y), y counted from the top, is at
// (H - 1 - y) × W + x.
class PixelBuffer
{
public:
    PixelBuffer(int width, int height);

    // The pixels of an RGB32 image; nullopt when the image cannot be read.
    static std::optional<PixelBuffer> read(const QImage &image);

    // Writes the pixels back into an RGB32 image of the same size; returns
    // false (and writes nothing) when the image cannot take them.
    bool writeTo(QImage &image) const;

    int width() const noexcept { return m_width; }
    int height() const noexcept { return m_height; }
    qsizetype size() const noexcept { return qsizetype(m_values.size()); }

    qsizetype indexOf(int x, int y) const noexcept
    {
        return qsizetype(m_height - 1 - y) * m_width + x;
    }

    qint32 &operator[](qsizetype index) noexcept { return m_values[std::size_t(index)]; }
    qint32 operator[](qsizetype index) const noexcept { return m_values[std::size_t(index)]; }

private:
    int m_width;
    int m_height;
    std::vector<qint32> m_values;
};

} // namespace weftara::engine
