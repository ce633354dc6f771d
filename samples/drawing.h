#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>

#include <cstdint>
#include <functional>

namespace weftara::samples {

// A small fixed-seed generator so that every build draws the same pictures.
class Sequence
{
public:
    explicit Sequence(std::uint32_t seed) : m_state(seed) {}

    // Uniform in [0, 1).
    double unit()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<double>(m_state >> 8) / 16777216.0;
    }

    double range(double low, double high) { return low + (high - low) * unit(); }

private:
    std::uint32_t m_state;
};

// Colour between a and b, t in [0, 1].
QColor mix(const QColor &a, const QColor &b, double t);

// An image whose every pixel is the average of 4 × 4 samples of `colourAt`
// (x, y in pixels). A colourAt that repeats with the image's size gives a
// picture that tiles without seams.
QImage shade(QSize size, const std::function<QColor(double x, double y)> &colourAt);

// Runs `draw` nine times, shifted by the tile's size in every direction, so
// that motifs crossing an edge come back on the opposite one.
void drawWrapped(QPainter &painter, QSize tile, const std::function<void(QPainter &)> &draw);

// A new Format_RGB32 image filled with `colour`.
QImage canvas(QSize size, const QColor &colour);

} // namespace weftara::samples
