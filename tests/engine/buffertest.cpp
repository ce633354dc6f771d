#include "engine/buffertest.h"

#include "engine/blend.h"
#include "engine/bytebuffer.h"
#include "engine/fades.h"
#include "engine/filters.h"
#include "engine/pixel.h"
#include "engine/pixelbuffer.h"
#include "engine/testimages.h"

#include <QTest>

#include <functional>

using namespace weftara::engine;
using namespace weftara::enginetest;

void EngineBufferTest::channelGetters_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("red");
    QTest::newRow("zero") << qint32(0) << 0 << 0 << 0;
    QTest::newRow("bytes") << qint32(0x00123456) << 0x56 << 0x34 << 0x12;
    QTest::newRow("byte 3 set, negative word") << qint32(0xFEA1B2C3u) << 0xC3 << 0xB2 << 0xA1;
    QTest::newRow("all ones") << qint32(-1) << 255 << 255 << 255;
}

void EngineBufferTest::channelGetters()
{
    QFETCH(qint32, value);
    QFETCH(int, blue);
    QFETCH(int, green);
    QFETCH(int, red);
    QCOMPARE(int(blueOf(value)), blue);
    QCOMPARE(int(greenOf(value)), green);
    QCOMPARE(int(redOf(value)), red);
    QCOMPARE(makePixel(blueOf(value), greenOf(value), redOf(value)), qint32(quint32(value) & 0xFFFFFFu));
}

void EngineBufferTest::pixelBufferRowsAreBottomUp()
{
    const int w = 3;
    const int h = 2;
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            setPixelBytes(image, x, y, {quint8(x), quint8(y), 7, 9});

    const auto buffer = PixelBuffer::read(image);
    QVERIFY(buffer.has_value());
    QCOMPARE(buffer->size(), qsizetype(w * h));
    // The top-left pixel sits at (H - 1) × W, the bottom-left at 0.
    QCOMPARE(buffer->indexOf(0, 0), qsizetype((h - 1) * w));
    QCOMPARE(buffer->indexOf(0, h - 1), qsizetype(0));
    QCOMPARE((*buffer)[(h - 1) * w], qint32(0x09070000));
    QCOMPARE((*buffer)[0], qint32(0x09070100));
    QCOMPARE((*buffer)[w - 1], qint32(0x09070102));
}

void EngineBufferTest::pixelBufferRoundTripKeepsEveryByte()
{
    const QImage source = randomImage(5, 4, 11);
    const auto buffer = PixelBuffer::read(source);
    QVERIFY(buffer.has_value());
    QImage target(5, 4, QImage::Format_RGB32);
    target.fill(0);
    QVERIFY(buffer->writeTo(target));
    QCOMPARE(rawBytes(target), rawBytes(source));

    QImage wrongSize(4, 5, QImage::Format_RGB32);
    wrongSize.fill(0);
    QVERIFY(!buffer->writeTo(wrongSize));
}

void EngineBufferTest::byteBufferRowsAreTopDown()
{
    QImage image = randomImage(3, 2, 5);
    setPixelBytes(image, 0, 0, {1, 2, 3, 4});
    setPixelBytes(image, 2, 1, {5, 6, 7, 8});
    auto buffer = ByteBuffer::measure(image);
    QVERIFY(buffer.has_value());
    QCOMPARE(buffer->rowBytes(), qsizetype(12));
    QCOMPARE(buffer->rows(), 2);
    buffer->readFrom(image);
    // Top-left pixel: bytes 1 to 4 of row 1; pixel j = 3 of row 2: bytes 9 to 12.
    QCOMPARE(int(buffer->at(1, 1)), 1);
    QCOMPARE(int(buffer->at(4, 1)), 4);
    QCOMPARE(int(buffer->at(4 * 3 - 3, 2)), 5);
    QCOMPARE(int(buffer->at(4 * 3, 2)), 8);
}

void EngineBufferTest::byteBufferShortImages_data()
{
    QTest::addColumn<int>("otherHeight");
    QTest::newRow("fewer rows") << 2;
    QTest::newRow("same size") << 4;
    QTest::newRow("more rows") << 6;
}

void EngineBufferTest::byteBufferShortImages()
{
    QFETCH(int, otherHeight);
    const QImage base = randomImage(3, 4, 1);
    const QImage other = randomImage(3, otherHeight, 2);
    auto buffer = ByteBuffer::measure(base);
    QVERIFY(buffer.has_value());
    buffer->readFrom(other);

    const auto count = std::size_t(base.sizeInBytes());
    const auto otherBytes = rawBytes(other);
    for (std::size_t k = 0; k < count; ++k)
        QCOMPARE(buffer->data()[k], k < otherBytes.size() ? otherBytes[k] : quint8(0));

    // Writing back: only the bytes that fit, the rest of a larger image stays.
    QImage target = randomImage(3, otherHeight, 3);
    const auto before = rawBytes(target);
    buffer->readFrom(base);
    buffer->writeTo(target);
    const auto baseBytes = rawBytes(base);
    const auto after = rawBytes(target);
    for (std::size_t k = 0; k < after.size(); ++k)
        QCOMPARE(after[k], k < count ? baseBytes[k] : before[k]);
}

void EngineBufferTest::unreadableImagesAreLeftAlone_data()
{
    QTest::addColumn<QImage>("image");
    QTest::newRow("null") << QImage();
    QTest::newRow("zero width") << QImage(0, 5, QImage::Format_RGB32);
    QImage argb = randomImage(4, 3, 8).convertToFormat(QImage::Format_ARGB32);
    QTest::newRow("ARGB32") << argb;
    QTest::newRow("RGB888") << randomImage(4, 3, 9).convertToFormat(QImage::Format_RGB888);
}

void EngineBufferTest::unreadableImagesAreLeftAlone()
{
    QFETCH(QImage, image);
    QVERIFY(!PixelBuffer::read(image).has_value());
    QVERIFY(!ByteBuffer::measure(image).has_value());

    const std::vector<std::pair<const char *, std::function<bool(QImage &)>>> operations = {
        {"shiftBrightness", [](QImage &i) { return shiftBrightness(i, 20); }},
        {"toGray", [](QImage &i) { return toGray(i); }},
        {"solarize", [](QImage &i) { return solarize(i); }},
        {"emphasize", [](QImage &i) { return emphasize(i); }},
        {"stepChannel", [](QImage &i) { return stepChannel(i, ChannelStep(2), 20); }},
        {"fadeTowardTop", [](QImage &i) { return fadeTowardTop(i); }},
        {"fadeTowardRight", [](QImage &i) { return fadeTowardRight(i); }},
        {"fadeTowardLeft", [](QImage &i) { return fadeTowardLeft(i); }},
    };
    for (const auto &[name, operation] : operations) {
        QImage target = image;
        QVERIFY2(!operation(target), name);
        QCOMPARE(target, image);
        QCOMPARE(rawBytes(target), rawBytes(image));
    }

    // An unreadable base or pattern: the weave writes nothing.
    const QImage good = randomImage(4, 3, 10);
    QImage dst = randomImage(4, 3, 12);
    const auto before = rawBytes(dst);
    QVERIFY(!blendPictures(image, good, dst, 50));
    QVERIFY(!weaveIntoLight(image, good, dst, 50, 0));
    QVERIFY(!weaveIntoDark(image, good, dst, 50, 255));
    QCOMPARE(rawBytes(dst), before);
    if (!image.isNull()) {
        QVERIFY(!blendPictures(good, image, dst, 50));
        QVERIFY(!weaveIntoLight(good, image, dst, 50, 0));
        QCOMPARE(rawBytes(dst), before);
        QImage unreadableDst = image;
        QVERIFY(!blendPictures(good, good, unreadableDst, 50));
        QCOMPARE(rawBytes(unreadableDst), rawBytes(image));
    }
}
