#include "platform/picturememorytest.h"

#include "platform/picturememory.h"

#include <QTest>

using namespace weftara::platform;

void PictureMemoryTest::limitFollowsFreeMemory_data()
{
    QTest::addColumn<qint64>("available");
    QTest::addColumn<qint64>("pixels");
    const qint64 gigabyte = qint64(1) << 30;
    QTest::newRow("not known") << qint64(-1) << qint64(400'000'000);
    QTest::newRow("plenty") << 64 * gigabyte << qint64(400'000'000);
    // Sixteen bytes a pixel: four copies of four bytes.
    QTest::newRow("4 GB free") << 4 * gigabyte << qint64(268'435'456);
    QTest::newRow("none free") << qint64(0) << qint64(0);
}

void PictureMemoryTest::limitFollowsFreeMemory()
{
    QFETCH(qint64, available);
    QFETCH(qint64, pixels);
    QCOMPARE(picturePixelLimit(available), pixels);
}

void PictureMemoryTest::sizesThatFit_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("fits");
    QTest::newRow("nothing") << QSize(0, 0) << true;
    QTest::newRow("at the cap") << QSize(1000, 1000) << true;
    QTest::newRow("one row over the cap") << QSize(1000, 1001) << false;
    QTest::newRow("longer than a window can be") << QSize(16777216, 1) << false;
}

void PictureMemoryTest::sizesThatFit()
{
    QFETCH(QSize, size);
    QFETCH(bool, fits);
    setPicturePixelCap(1'000'000);
    QCOMPARE(pictureFits(size), fits);
    setPicturePixelCap(0);
    QVERIFY(pictureFits(QSize(4000, 3000)));
    QVERIFY(!pictureFits(QSize(20000, 20001)));
}
