#include "support/imagecompare.h"

#include <cstring>

namespace weftara::testing {

namespace {

bool compare(const QImage &a, const QImage &b, quint32 mask)
{
    if (a.size() != b.size())
        return false;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const quint32 *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const quint32 *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            if ((p[col] & mask) != (q[col] & mask))
                return false;
    }
    return true;
}

} // namespace

bool samePixels(const QImage &a, const QImage &b)
{
    return compare(a, b, 0xFFFFFFFFu);
}

bool sameColours(const QImage &a, const QImage &b)
{
    return compare(a, b, 0x00FFFFFFu);
}

QImage variedPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 97 + y * 3) % 256, (x * 5 + y * 71) % 256, (x * 37 + y * 11) % 256));
    return image;
}

} // namespace weftara::testing
