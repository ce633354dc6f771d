#include "engine/testimages.h"

#include <QRandomGenerator>
#include <QString>

#include <cstring>

namespace weftara::enginetest {

QImage randomImage(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = random.generate();
    }
    return image;
}

QImage uniformImage(int width, int height, quint8 blue, quint8 green, quint8 red, quint8 unused)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setPixelBytes(image, x, y, {blue, green, red, unused});
    return image;
}

std::vector<quint8> rawBytes(const QImage &image)
{
    if (image.isNull())
        return {};
    const quint8 *bits = image.constBits();
    return std::vector<quint8>(bits, bits + image.sizeInBytes());
}

char *toString(const Bytes4 &bytes)
{
    return qstrdup(qPrintable(QStringLiteral("(%1, %2, %3, %4)").arg(bytes.b0).arg(bytes.b1).arg(bytes.b2).arg(bytes.b3)));
}

Bytes4 pixelBytes(const QImage &image, int x, int y)
{
    const quint8 *p = image.constScanLine(y) + 4 * x;
    return {p[0], p[1], p[2], p[3]};
}

void setPixelBytes(QImage &image, int x, int y, Bytes4 bytes)
{
    quint8 *p = image.scanLine(y) + 4 * x;
    p[0] = bytes.b0;
    p[1] = bytes.b1;
    p[2] = bytes.b2;
    p[3] = bytes.b3;
}

} // namespace weftara::enginetest
