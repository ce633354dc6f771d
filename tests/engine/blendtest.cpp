#include "engine/blendtest.h"

#include "engine/blend.h"
#include "engine/testimages.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace weftara::engine;
using namespace weftara::enginetest;

namespace {

enum Variant { Mix, Light, Dark };

bool runWeave(int variant, const QImage &base, const QImage &pattern, QImage &dst, int ratio, int threshold)
{
    switch (variant) {
    case Mix: return blendPictures(base, pattern, dst, qint16(ratio));
    case Light: return weaveIntoLight(base, pattern, dst, qint16(ratio), qint16(threshold));
    default: return weaveIntoDark(base, pattern, dst, qint16(ratio), qint16(threshold));
    }
}

// The weave done the slow way: byte buffers of the base's byte count, the
// pattern padded with zeros, the formula in doubles, then as many bytes as
// fit written over dst's previous bytes.
std::vector<quint8> naiveWeave(int variant, const QImage &base, const QImage &pattern, const QImage &dst,
                               int ratio, int threshold)
{
    std::vector<quint8> b = rawBytes(base);
    std::vector<quint8> p = rawBytes(pattern);
    p.resize(b.size(), 0);
    std::vector<quint8> result = b;
    if (variant == Mix) {
        const double r = ratio / 100.0;
        for (std::size_t k = 0; k < b.size(); ++k)
            result[k] = quint8(std::floor(((1 - r) * p[k]) + (b[k] * r)));
    } else {
        for (std::size_t k = 0; k + 3 < b.size(); k += 4) {
            bool take = true;
            for (std::size_t c = 0; c < 3; ++c)
                take = take && (variant == Light ? b[k + c] >= threshold : b[k + c] <= threshold);
            if (take)
                std::copy(p.begin() + k, p.begin() + k + 4, result.begin() + k);
        }
    }
    std::vector<quint8> out = rawBytes(dst);
    std::copy_n(result.begin(), std::min(out.size(), result.size()), out.begin());
    return out;
}

// Pixels whose three colour bytes sit close to each other, so that every
// threshold meets pixels just above, at and just below it in each channel.
QImage nearGreyImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int v = (x + 7 * y) % 256;
            const int k = x + y;
            setPixelBytes(image, x, y,
                          {quint8(std::clamp(v + (k % 3) - 1, 0, 255)), quint8(v),
                           quint8(std::clamp(v + ((k / 3) % 3) - 1, 0, 255)), quint8(k * 31)});
        }
    }
    return image;
}

} // namespace

void EngineBlendTest::mixMatchesDoubleFormulaForEveryPairAndRatio()
{
    // Byte k of the pair holds pattern byte k mod 256 and base byte
    // (k div 256) mod 256: every pair, in every byte lane including byte 3.
    QImage base(256, 256, QImage::Format_RGB32);
    QImage pattern(256, 256, QImage::Format_RGB32);
    const auto count = std::size_t(base.sizeInBytes());
    for (std::size_t k = 0; k < count; ++k) {
        pattern.bits()[k] = quint8(k);
        base.bits()[k] = quint8(k >> 8);
    }
    QImage dst(256, 256, QImage::Format_RGB32);
    for (int ratio = 0; ratio <= 100; ++ratio) {
        QVERIFY(blendPictures(base, pattern, dst, qint16(ratio)));
        const double r = ratio / 100.0;
        const quint8 *out = dst.constBits();
        for (std::size_t k = 0; k < count; ++k) {
            const int p = int(k & 0xFF);
            const int b = int((k >> 8) & 0xFF);
            const int expected = int(std::floor(((1 - r) * p) + (b * r)));
            if (out[k] != expected)
                QFAIL(qPrintable(QStringLiteral("ratio %1 pattern %2 base %3: got %4, want %5")
                                     .arg(ratio).arg(p).arg(b).arg(out[k]).arg(expected)));
        }
    }
}

void EngineBlendTest::mixExamples_data()
{
    QTest::addColumn<int>("ratio");
    QTest::addColumn<int>("baseByte");
    QTest::addColumn<int>("patternByte");
    QTest::addColumn<int>("expected");
    QTest::newRow("76.5 rounds down") << 30 << 255 << 0 << 76;
    QTest::newRow("mean") << 50 << 200 << 100 << 150;
    QTest::newRow("mean rounds down") << 50 << 201 << 100 << 150;
    QTest::newRow("ratio 100 is the base") << 100 << 17 << 240 << 17;
    QTest::newRow("ratio 0 is the pattern") << 0 << 17 << 240 << 240;
}

void EngineBlendTest::mixExamples()
{
    QFETCH(int, ratio);
    QFETCH(int, baseByte);
    QFETCH(int, patternByte);
    QFETCH(int, expected);
    const auto b = quint8(baseByte);
    const auto p = quint8(patternByte);
    const QImage base = uniformImage(3, 2, b, b, b, b);
    const QImage pattern = uniformImage(3, 2, p, p, p, p);
    QImage dst = uniformImage(3, 2, 1, 2, 3, 4);
    QVERIFY(blendPictures(base, pattern, dst, qint16(ratio)));
    const auto e = quint8(expected);
    // Byte 3 is mixed like the colour bytes.
    QCOMPARE(rawBytes(dst), std::vector<quint8>(std::size_t(dst.sizeInBytes()), e));
}

void EngineBlendTest::ratioOutsideRangeWritesNothing_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("ratio");
    for (int variant : {Mix, Light, Dark}) {
        for (int ratio : {-1, 101, -32768, 32767}) {
            QTest::addRow("variant %d ratio %d", variant, ratio) << variant << ratio;
        }
    }
}

void EngineBlendTest::ratioOutsideRangeWritesNothing()
{
    QFETCH(int, variant);
    QFETCH(int, ratio);
    const QImage base = randomImage(6, 5, 1);
    const QImage pattern = randomImage(6, 5, 2);
    QImage dst = randomImage(6, 5, 3);
    const auto before = rawBytes(dst);
    QVERIFY(!runWeave(variant, base, pattern, dst, ratio, 128));
    QCOMPARE(rawBytes(dst), before);
}

void EngineBlendTest::toneWeavesMatchRule_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("threshold");
    for (int variant : {Light, Dark}) {
        for (int threshold : {-32768, -1, 0, 1, 2, 127, 128, 254, 255, 256, 300, 32767}) {
            QTest::addRow("%s %d", variant == Light ? "light" : "dark", threshold) << variant << threshold;
        }
    }
}

void EngineBlendTest::toneWeavesMatchRule()
{
    QFETCH(int, variant);
    QFETCH(int, threshold);
    const QImage base = nearGreyImage(67, 41);
    const QImage pattern = randomImage(67, 41, 3);
    for (int ratio : {0, 37, 100}) {
        QImage dst(67, 41, QImage::Format_RGB32);
        dst.fill(0);
        QVERIFY(runWeave(variant, base, pattern, dst, ratio, threshold));
        QCOMPARE(rawBytes(dst), naiveWeave(variant, base, pattern, dst, ratio, threshold));
    }
}

void EngineBlendTest::toneWeaveExamples()
{
    QImage base = uniformImage(4, 1, 200, 200, 200, 1);
    setPixelBytes(base, 0, 0, {255, 255, 255, 5});
    setPixelBytes(base, 1, 0, {255, 255, 254, 6});
    setPixelBytes(base, 2, 0, {0, 0, 0, 7});
    setPixelBytes(base, 3, 0, {0, 1, 0, 8});
    const QImage pattern = uniformImage(4, 1, 10, 20, 30, 40);
    const Bytes4 patternPixel{10, 20, 30, 40};

    // Light threshold 255: only pure white takes the pattern, all four bytes.
    QImage light(4, 1, QImage::Format_RGB32);
    QVERIFY(weaveIntoLight(base, pattern, light, 50, 255));
    QCOMPARE(pixelBytes(light, 0, 0), patternPixel);
    QCOMPARE(pixelBytes(light, 1, 0), (Bytes4{255, 255, 254, 6}));
    QCOMPARE(pixelBytes(light, 2, 0), (Bytes4{0, 0, 0, 7}));

    // Dark threshold 0: only pure black.
    QImage dark(4, 1, QImage::Format_RGB32);
    QVERIFY(weaveIntoDark(base, pattern, dark, 50, 0));
    QCOMPARE(pixelBytes(dark, 2, 0), patternPixel);
    QCOMPARE(pixelBytes(dark, 3, 0), (Bytes4{0, 1, 0, 8}));
    QCOMPARE(pixelBytes(dark, 0, 0), (Bytes4{255, 255, 255, 5}));

    // The ratio only gates the threshold weaves.
    QImage atZero(4, 1, QImage::Format_RGB32);
    QImage atHundred(4, 1, QImage::Format_RGB32);
    QVERIFY(weaveIntoLight(base, pattern, atZero, 0, 255));
    QVERIFY(weaveIntoLight(base, pattern, atHundred, 100, 255));
    QCOMPARE(rawBytes(atZero), rawBytes(atHundred));
}

void EngineBlendTest::sizesFollowTheBaseByteCount_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QSize>("patternSize");
    QTest::addColumn<QSize>("dstSize");
    const QSize same(37, 29);
    const struct
    {
        const char *name;
        QSize pattern;
        QSize dst;
    } cases[] = {
        {"same sizes", same, same},
        {"pattern fewer rows", QSize(37, 11), same},
        {"pattern narrower", QSize(20, 29), same},
        {"pattern larger", QSize(50, 40), same},
        {"pattern null", QSize(), same},
        {"dst fewer rows", same, QSize(37, 13)},
        {"dst larger", same, QSize(41, 33)},
        {"dst null", same, QSize()},
        {"both smaller", QSize(37, 7), QSize(30, 20)},
        {"large pattern tail", QSize(37, 2), QSize(400, 300)},
    };
    for (int variant : {Mix, Light, Dark})
        for (const auto &c : cases)
            QTest::addRow("%s, variant %d", c.name, variant) << variant << c.pattern << c.dst;
}

void EngineBlendTest::sizesFollowTheBaseByteCount()
{
    QFETCH(int, variant);
    QFETCH(QSize, patternSize);
    QFETCH(QSize, dstSize);
    const QImage base = nearGreyImage(37, 29);
    const QImage pattern = patternSize.isValid() ? randomImage(patternSize.width(), patternSize.height(), 4) : QImage();
    QImage dst = dstSize.isValid() ? randomImage(dstSize.width(), dstSize.height(), 5) : QImage();
    const auto expected = naiveWeave(variant, base, pattern, dst, 63, 100);
    QVERIFY(runWeave(variant, base, pattern, dst, 63, 100));
    QCOMPARE(rawBytes(dst), expected);
}

void EngineBlendTest::destinationMayAliasASource_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("alias");
    for (int variant : {Mix, Light, Dark})
        for (int alias : {0, 1, 2, 3})
            QTest::addRow("variant %d alias %d", variant, alias) << variant << alias;
}

void EngineBlendTest::destinationMayAliasASource()
{
    QFETCH(int, variant);
    QFETCH(int, alias);
    const QImage base0 = nearGreyImage(19, 23);
    const QImage pattern0 = randomImage(19, 23, 6);
    QImage blank(19, 23, QImage::Format_RGB32);
    blank.fill(0);
    const auto expected = naiveWeave(variant, base0, pattern0, blank, 29, 90);

    QImage base = base0;
    QImage pattern = pattern0;
    switch (alias) {
    case 0: // dst is the base image itself
        QVERIFY(runWeave(variant, base, pattern, base, 29, 90));
        QCOMPARE(rawBytes(base), expected);
        break;
    case 1: // dst is the pattern image itself
        QVERIFY(runWeave(variant, base, pattern, pattern, 29, 90));
        QCOMPARE(rawBytes(pattern), expected);
        break;
    case 2: { // dst shares the base's pixels until written
        QImage dst = base;
        QVERIFY(runWeave(variant, base, pattern, dst, 29, 90));
        QCOMPARE(rawBytes(dst), expected);
        QCOMPARE(rawBytes(base), rawBytes(base0));
        break;
    }
    default: { // base and pattern are one image; dst wraps the same memory
        QImage shared = base0.copy();
        QImage view(shared.bits(), shared.width(), shared.height(), shared.bytesPerLine(), QImage::Format_RGB32);
        QVERIFY(runWeave(variant, shared, shared, view, 29, 90));
        QCOMPARE(rawBytes(view), naiveWeave(variant, base0, base0, blank, 29, 90));
        break;
    }
    }
}
