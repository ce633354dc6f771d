#include "drawing.h"

#include <cmath>

namespace weftara::samples {

QColor mix(const QColor &a, const QColor &b, double t)
{
    const double s = 1.0 - t;
    return QColor::fromRgbF(static_cast<float>(a.redF() * s + b.redF() * t),
                            static_cast<float>(a.greenF() * s + b.greenF() * t),
                            static_cast<float>(a.blueF() * s + b.blueF() * t));
}

QImage shade(QSize size, const std::function<QColor(double x, double y)> &colourAt)
{
    constexpr int Samples = 4;
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    const QColor c = colourAt(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples);
                    r += c.red();
                    g += c.green();
                    b += c.blue();
                }
            }
            constexpr int n = Samples * Samples;
            line[x] = qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n);
        }
    }
    return image;
}

void drawWrapped(QPainter &painter, QSize tile, const std::function<void(QPainter &)> &draw)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            painter.save();
            painter.translate(dx * tile.width(), dy * tile.height());
            draw(painter);
            painter.restore();
        }
    }
}

QImage canvas(QSize size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace weftara::samples
