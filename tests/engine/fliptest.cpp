#include "engine/fliptest.h"

#include "engine/flip.h"
#include "engine/testimages.h"

#include <QTest>

using namespace weftara::engine;
using namespace weftara::enginetest;

Q_DECLARE_METATYPE(weftara::engine::Flip)

void EngineFlipTest::flipsEveryByte_data()
{
    QTest::addColumn<Flip>("kind");
    QTest::addColumn<QSize>("size");
    for (Flip kind : {Flip::TopBottom, Flip::LeftRight, Flip::Both})
        for (const QSize size : {QSize(1, 1), QSize(5, 3), QSize(4, 4), QSize(1, 6), QSize(33, 1)})
            QTest::addRow("kind %d, %dx%d", int(kind), size.width(), size.height()) << kind << size;
}

void EngineFlipTest::flipsEveryByte()
{
    QFETCH(Flip, kind);
    QFETCH(QSize, size);
    const QImage source = randomImage(size.width(), size.height(), 41);
    const QImage out = flipped(source, kind);
    QCOMPARE(out.size(), source.size());
    QCOMPARE(out.format(), QImage::Format_RGB32);
    const int w = size.width();
    const int h = size.height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int tx = kind == Flip::TopBottom ? x : w - 1 - x;
            const int ty = kind == Flip::LeftRight ? y : h - 1 - y;
            QCOMPARE(pixelBytes(out, tx, ty), pixelBytes(source, x, y));
        }
    }
}

void EngineFlipTest::flipsCompose_data()
{
    QTest::addColumn<Flip>("kind");
    QTest::newRow("top-bottom") << Flip::TopBottom;
    QTest::newRow("left-right") << Flip::LeftRight;
    QTest::newRow("both") << Flip::Both;
}

void EngineFlipTest::flipsCompose()
{
    QFETCH(Flip, kind);
    const QImage source = randomImage(7, 5, 43);
    QCOMPARE(rawBytes(flipped(flipped(source, kind), kind)), rawBytes(source));
    const QImage twoSteps = flipped(flipped(source, Flip::TopBottom), Flip::LeftRight);
    QCOMPARE(rawBytes(twoSteps), rawBytes(flipped(source, Flip::Both)));
}

void EngineFlipTest::otherFormatsAreFlippedToo()
{
    const QImage source = randomImage(6, 4, 47).convertToFormat(QImage::Format_RGB888);
    const QImage out = flipped(source, Flip::Both);
    QCOMPARE(out.format(), QImage::Format_RGB888);
    QCOMPARE(out.pixel(0, 0), source.pixel(5, 3));
    QVERIFY(flipped(QImage(), Flip::LeftRight).isNull());
}
