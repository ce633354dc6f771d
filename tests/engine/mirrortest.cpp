#include "engine/mirrortest.h"

#include "engine/mirror.h"
#include "engine/testimages.h"

#include <QTest>

using namespace weftara::engine;
using namespace weftara::enginetest;

Q_DECLARE_METATYPE(weftara::engine::Mirror)

void EngineMirrorTest::mirrorsEveryByte_data()
{
    QTest::addColumn<Mirror>("kind");
    QTest::addColumn<QSize>("size");
    for (Mirror kind : {Mirror::TopBottom, Mirror::LeftRight, Mirror::Both})
        for (const QSize size : {QSize(1, 1), QSize(5, 3), QSize(4, 4), QSize(1, 6), QSize(33, 1)})
            QTest::addRow("kind %d, %dx%d", int(kind), size.width(), size.height()) << kind << size;
}

void EngineMirrorTest::mirrorsEveryByte()
{
    QFETCH(Mirror, kind);
    QFETCH(QSize, size);
    const QImage source = randomImage(size.width(), size.height(), 41);
    const QImage out = mirrored(source, kind);
    QCOMPARE(out.size(), source.size());
    QCOMPARE(out.format(), QImage::Format_RGB32);
    const int w = size.width();
    const int h = size.height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int tx = kind == Mirror::TopBottom ? x : w - 1 - x;
            const int ty = kind == Mirror::LeftRight ? y : h - 1 - y;
            QCOMPARE(pixelBytes(out, tx, ty), pixelBytes(source, x, y));
        }
    }
}

void EngineMirrorTest::flipsCompose_data()
{
    QTest::addColumn<Mirror>("kind");
    QTest::newRow("top-bottom") << Mirror::TopBottom;
    QTest::newRow("left-right") << Mirror::LeftRight;
    QTest::newRow("both") << Mirror::Both;
}

void EngineMirrorTest::flipsCompose()
{
    QFETCH(Mirror, kind);
    const QImage source = randomImage(7, 5, 43);
    QCOMPARE(rawBytes(mirrored(mirrored(source, kind), kind)), rawBytes(source));
    const QImage twoSteps = mirrored(mirrored(source, Mirror::TopBottom), Mirror::LeftRight);
    QCOMPARE(rawBytes(twoSteps), rawBytes(mirrored(source, Mirror::Both)));
}

void EngineMirrorTest::otherFormatsAreMirroredToo()
{
    const QImage source = randomImage(6, 4, 47).convertToFormat(QImage::Format_RGB888);
    const QImage out = mirrored(source, Mirror::Both);
    QCOMPARE(out.format(), QImage::Format_RGB888);
    QCOMPARE(out.pixel(0, 0), source.pixel(5, 3));
    QVERIFY(mirrored(QImage(), Mirror::LeftRight).isNull());
}
