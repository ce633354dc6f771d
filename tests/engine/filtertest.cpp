#include "engine/filtertest.h"

#include "engine/filters.h"
#include "engine/testimages.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

using namespace weftara::engine;
using namespace weftara::enginetest;

namespace {

int clamp255(long long v)
{
    return int(std::clamp(v, 0LL, 255LL));
}

// A per-byte rule written straight from its formula: (byte, channel) -> byte.
using ByteRule = std::function<int(int, int)>;
using Filter = std::function<bool(QImage &)>;

struct FilterCase
{
    Filter filter;
    ByteRule rule;
};

FilterCase brightness(int amount)
{
    return {[amount](QImage &i) { return shiftBrightness(i, qint16(amount)); },
            [amount](int v, int) { return clamp255(static_cast<long long>(v) + amount); }};
}

FilterCase channel(int index, int step)
{
    return {[index, step](QImage &i) { return stepChannel(i, ChannelStep(index), qint16(step)); },
            [index, step](int v, int c) {
                if (index >= 0 && index <= 2 && c == index)
                    return clamp255(static_cast<long long>(v) + step);
                if (index >= 3 && index <= 5 && c == index - 3)
                    return clamp255(static_cast<long long>(v) - step);
                return v;
            }};
}

} // namespace

Q_DECLARE_METATYPE(FilterCase)
Q_DECLARE_METATYPE(Filter)

void EngineFilterTest::everyByteValue_data()
{
    QTest::addColumn<FilterCase>("filterCase");
    for (int amount : {0, 1, 20, -20, 254, 255, -255, 256, -256, 1000, 32767, -32768})
        QTest::addRow("shiftBrightness %d", amount) << brightness(amount);
    QTest::newRow("solarize") << FilterCase{[](QImage &i) { return solarize(i); },
                                        [](int v, int) { return v >= 128 ? 255 - v : v; }};
    QTest::newRow("emphasize") << FilterCase{
        [](QImage &i) { return emphasize(i); },
        [](int v, int) { return v > 100 ? std::min(int(std::nearbyint(v * 1.3)), 255) : v; }};
    for (int index = -1; index <= 6; ++index)
        for (int step : {0, 20, 255, -20, 300, 32767, -32768})
            QTest::addRow("stepChannel %d step %d", index, step) << channel(index, step);
}

void EngineFilterTest::everyByteValue()
{
    QFETCH(FilterCase, filterCase);
    // Pixel (x, y): every value 0..255 in each channel across each row, the
    // channels running in different orders, byte 3 random.
    const int width = 256;
    const int height = 3;
    QImage image = randomImage(width, height, 21);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setPixelBytes(image, x, y,
                          {quint8(x), quint8(255 - x), quint8((x * 7 + y) % 256), pixelBytes(image, x, y).b3});
    const QImage before = image;
    QVERIFY(filterCase.filter(image));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Bytes4 in = pixelBytes(before, x, y);
            const Bytes4 want{quint8(filterCase.rule(in.b0, 0)), quint8(filterCase.rule(in.b1, 1)),
                              quint8(filterCase.rule(in.b2, 2)), 0};
            QCOMPARE(pixelBytes(image, x, y), want);
        }
    }
}

void EngineFilterTest::greyOfEveryColour()
{
    // Pixel k of the 4096 × 4096 picture has colour k: all 2^24 colours.
    QImage image(4096, 4096, QImage::Format_RGB32);
    auto *pixels = reinterpret_cast<quint32 *>(image.bits());
    for (quint32 k = 0; k < (1u << 24); ++k)
        pixels[k] = k | ((k * 2654435761u) & 0xFF000000u);
    QVERIFY(toGray(image));
    const auto *out = reinterpret_cast<const quint32 *>(image.constBits());
    for (quint32 k = 0; k < (1u << 24); ++k) {
        const double blue = k & 0xFF;
        const double green = (k >> 8) & 0xFF;
        const double red = (k >> 16) & 0xFF;
        const auto g = quint32(std::nearbyint((0.587 * green) + (0.299 * red) + (0.114 * blue)));
        if (out[k] != g * 0x010101u)
            QFAIL(qPrintable(QStringLiteral("colour %1: got %2, want grey %3").arg(k, 6, 16).arg(out[k], 8, 16).arg(g)));
    }
}

void EngineFilterTest::examples_data()
{
    QTest::addColumn<Filter>("filter");
    QTest::addColumn<Bytes4>("in");
    QTest::addColumn<Bytes4>("out");
    QTest::newRow("brighter") << Filter([](QImage &i) { return shiftBrightness(i, 20); }) << Bytes4{250, 100, 0, 9}
                              << Bytes4{255, 120, 20, 0};
    QTest::newRow("darker") << Filter([](QImage &i) { return shiftBrightness(i, -20); }) << Bytes4{250, 100, 0, 9}
                            << Bytes4{230, 80, 0, 0};
    const Filter grey = [](QImage &i) { return toGray(i); };
    QTest::newRow("grey of white") << grey << Bytes4{255, 255, 255, 255} << Bytes4{255, 255, 255, 0};
    QTest::newRow("grey of red") << grey << Bytes4{0, 0, 255, 0} << Bytes4{76, 76, 76, 0};
    QTest::newRow("grey of green") << grey << Bytes4{0, 255, 0, 0} << Bytes4{150, 150, 150, 0};
    QTest::newRow("grey of blue") << grey << Bytes4{255, 0, 0, 0} << Bytes4{29, 29, 29, 0};
    QTest::newRow("grey of grey") << grey << Bytes4{128, 128, 128, 0} << Bytes4{128, 128, 128, 0};
    // Exact halves, 28.5 and 5.5, in every lane and in the odd lanes at the end.
    QTest::newRow("grey half to even") << grey << Bytes4{250, 0, 0, 7} << Bytes4{28, 28, 28, 0};
    QTest::newRow("grey half up to even") << grey << Bytes4{43, 0, 2, 7} << Bytes4{6, 6, 6, 0};
    const Filter solarise = [](QImage &i) { return solarize(i); };
    QTest::newRow("solarise") << solarise << Bytes4{127, 128, 200, 1} << Bytes4{127, 127, 55, 0};
    QTest::newRow("solarise 255") << solarise << Bytes4{255, 0, 255, 1} << Bytes4{0, 0, 0, 0};
    const Filter emphasis = [](QImage &i) { return emphasize(i); };
    QTest::newRow("emphasis") << emphasis << Bytes4{100, 101, 105, 3} << Bytes4{100, 131, 136, 0};
    QTest::newRow("emphasis clamps") << emphasis << Bytes4{196, 197, 255, 3} << Bytes4{255, 255, 255, 0};
    QTest::newRow("red up") << Filter([](QImage &i) { return stepChannel(i, ChannelStep(2), 20); }) << Bytes4{10, 10, 240, 7}
                            << Bytes4{10, 10, 255, 0};
    QTest::newRow("blue down") << Filter([](QImage &i) { return stepChannel(i, ChannelStep(3), 20); }) << Bytes4{5, 50, 60, 7}
                               << Bytes4{0, 50, 60, 0};
    QTest::newRow("step 0 only clears byte 3") << Filter([](QImage &i) { return stepChannel(i, ChannelStep(1), 0); })
                                               << Bytes4{5, 50, 60, 7} << Bytes4{5, 50, 60, 0};
}

void EngineFilterTest::examples()
{
    QFETCH(Filter, filter);
    QFETCH(Bytes4, in);
    QFETCH(Bytes4, out);
    // An odd size, so that the vector loops also run their tails.
    QImage image = uniformImage(37, 3, in.b0, in.b1, in.b2, in.b3);
    QVERIFY(filter(image));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(pixelBytes(image, x, y), out);
}

void EngineFilterTest::solariseTwice()
{
    QImage image = uniformImage(5, 5, 200, 55, 0, 0);
    QVERIFY(solarize(image));
    QCOMPARE(pixelBytes(image, 2, 2), (Bytes4{55, 55, 0, 0}));
    QVERIFY(solarize(image));
    QCOMPARE(pixelBytes(image, 2, 2), (Bytes4{55, 55, 0, 0}));
}
