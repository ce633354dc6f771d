#include "engine/fadetest.h"

#include "engine/fades.h"
#include "engine/flip.h"
#include "engine/testimages.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace weftara::engine;
using namespace weftara::enginetest;

namespace {

enum Kind { Top, Right, Left };

bool runFade(int kind, QImage &image)
{
    switch (kind) {
    case Top: return fadeTowardTop(image);
    case Right: return fadeTowardRight(image);
    default: return fadeTowardLeft(image);
    }
}

// The fade as the pixel-buffer walk describes it: rows from the bottom,
// columns from the left, a single row or column fading by nothing.
QImage naiveFade(int kind, const QImage &source)
{
    QImage image = source.copy();
    const int w = image.width();
    const int h = image.height();
    const int n = kind == Top ? h : w;
    const double step = n > 1 ? (255.0 / (n - 1)) * 0.2 : 0.0;
    for (int r = 0; r < h; ++r) {
        for (int c = 0; c < w; ++c) {
            const int p = kind == Top ? r : (kind == Right ? c : w - 1 - c);
            const int add = int(std::nearbyint(p * step));
            const Bytes4 in = pixelBytes(image, c, h - 1 - r);
            setPixelBytes(image, c, h - 1 - r,
                          {quint8(std::min(in.b0 + add, 255)), quint8(std::min(in.b1 + add, 255)),
                           quint8(std::min(in.b2 + add, 255)), 0});
        }
    }
    return image;
}

} // namespace

void EngineFadeTest::fadesMatchRule_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("size");
    for (int kind : {Top, Right, Left}) {
        for (const QSize size : {QSize(256, 256), QSize(1, 7), QSize(7, 1), QSize(1, 1), QSize(100, 3),
                                 QSize(3, 100), QSize(1001, 2), QSize(2, 1001)}) {
            QTest::addRow("kind %d, %dx%d", kind, size.width(), size.height()) << kind << size;
        }
    }
}

void EngineFadeTest::fadesMatchRule()
{
    QFETCH(int, kind);
    QFETCH(QSize, size);
    QImage image = randomImage(size.width(), size.height(), 31);
    const QImage expected = naiveFade(kind, image);
    QVERIFY(runFade(kind, image));
    QCOMPARE(rawBytes(image), rawBytes(expected));
}

void EngineFadeTest::fadeExamples()
{
    // 256 rows: the bottom row keeps its colour, the row 128 above it gains
    // 26 (25.6), the top row 51.
    QImage tall = uniformImage(3, 256, 100, 0, 250, 77);
    QVERIFY(fadeTowardTop(tall));
    QCOMPARE(pixelBytes(tall, 1, 255), (Bytes4{100, 0, 250, 0}));
    QCOMPARE(pixelBytes(tall, 1, 255 - 128), (Bytes4{126, 26, 255, 0}));
    QCOMPARE(pixelBytes(tall, 1, 0), (Bytes4{151, 51, 255, 0}));

    // Grey 128, width 100: 128 at the left edge, 179 at the right.
    QImage wide = uniformImage(100, 4, 128, 128, 128);
    QVERIFY(fadeTowardRight(wide));
    QCOMPARE(pixelBytes(wide, 0, 2), (Bytes4{128, 128, 128, 0}));
    QCOMPARE(pixelBytes(wide, 99, 2), (Bytes4{179, 179, 179, 0}));

    // On a uniform picture the left fade is the mirror image of the right one.
    QImage toLeft = uniformImage(100, 4, 128, 128, 128);
    QVERIFY(fadeTowardLeft(toLeft));
    QCOMPARE(rawBytes(toLeft), rawBytes(flipped(wide, Flip::LeftRight)));

    // A picture one pixel high or wide fades by nothing.
    QImage line = uniformImage(9, 1, 1, 2, 3);
    QVERIFY(fadeTowardTop(line));
    QCOMPARE(rawBytes(line), rawBytes(uniformImage(9, 1, 1, 2, 3)));
}
