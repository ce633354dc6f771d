#pragma once

#include <QImage>
#include <QMetaType>
#include <QtGlobal>

#include <vector>

namespace weftara::enginetest {

// An RGB32 image whose every byte, byte 3 included, is random (fixed seed).
QImage randomImage(int width, int height, quint32 seed);

// An RGB32 image with every pixel equal to the given four bytes.
QImage uniformImage(int width, int height, quint8 blue, quint8 green, quint8 red, quint8 unused = 0);

// The image's raw bytes, rows top-down, bytes per line as the image has them.
std::vector<quint8> rawBytes(const QImage &image);

// The four bytes of one pixel, byte 0 first.
struct Bytes4
{
    quint8 b0, b1, b2, b3;
    bool operator==(const Bytes4 &) const = default;
};
// Test diagnostics print the four bytes.
char *toString(const Bytes4 &bytes);

Bytes4 pixelBytes(const QImage &image, int x, int y);
void setPixelBytes(QImage &image, int x, int y, Bytes4 bytes);

} // namespace weftara::enginetest

Q_DECLARE_METATYPE(weftara::enginetest::Bytes4)
