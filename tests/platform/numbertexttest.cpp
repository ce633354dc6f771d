#include "platform/numbertexttest.h"

#include "platform/numbertext.h"
#include "platform/twips.h"

#include <QRandomGenerator>
#include <QTest>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

using namespace weftara::platform;

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr qint64 Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr qint64 Int32Max = std::numeric_limits<std::int32_t>::max();

// Straight from the rule: nearest integer with ties to even (the default
// floating-point rounding mode), then clamped into the target's range.
template <class Int>
Int referenceRound(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<Int>::min())
        return std::numeric_limits<Int>::min();
    if (rounded > std::numeric_limits<Int>::max())
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(rounded);
}

} // namespace

void NumberTextTest::formatsIntegers_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");

    QTest::newRow("positive") << qint64(50) << " 50" << "50";
    QTest::newRow("zero") << qint64(0) << " 0" << "0";
    QTest::newRow("negative") << qint64(-5) << "-5" << "-5";
    QTest::newRow("int16 min") << qint64(-32768) << "-32768" << "-32768";
    QTest::newRow("window width") << qint64(13500) << " 13500" << "13500";
    QTest::newRow("int64 min") << std::numeric_limits<qint64>::min() << "-9223372036854775808"
                               << "-9223372036854775808";
}

void NumberTextTest::formatsIntegers()
{
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QFETCH(QString, plain);
    QCOMPARE(formatNumber(value), text);
    QCOMPARE(formatPlainNumber(value), plain);
    if (value >= std::numeric_limits<std::int16_t>::min()
        && value <= std::numeric_limits<std::int16_t>::max()) {
        QCOMPARE(formatNumber(static_cast<std::int16_t>(value)), text);
        QCOMPARE(formatNumber(static_cast<int>(value)), text);
    }
}

void NumberTextTest::formatsReals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::addColumn<QString>("text");

    QTest::newRow("12.5 single") << 12.5 << true << " 12.5";
    QTest::newRow("0.1 single is not 0.100000001") << 0.1 << true << " 0.1";
    QTest::newRow("0.1 double") << 0.1 << false << " 0.1";
    QTest::newRow("whole single") << 9.0 << true << " 9";
    QTest::newRow("negative") << -2.25 << false << "-2.25";
    QTest::newRow("negative zero") << -0.0 << false << " 0";
    QTest::newRow("small") << 0.001 << false << " 0.001";
    QTest::newRow("1e-5 positional") << 1e-5 << false << " 0.00001";
    QTest::newRow("below 1e-5") << 1.5e-7 << false << " 1.5E-07";
    QTest::newRow("large single positional") << 1e14 << true << " 100000000000000";
    QTest::newRow("1e15 with exponent") << 1e15 << false << " 1E+15";
    QTest::newRow("negative huge") << -2.5e300 << false << "-2.5E+300";
    QTest::newRow("twips") << 56.69291338582677 << false << " 56.69291338582677";
    QTest::newRow("infinity") << Inf << false << " Inf";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << "NaN";
}

void NumberTextTest::formatsReals()
{
    QFETCH(double, value);
    QFETCH(bool, single);
    QFETCH(QString, text);
    const QString written = single ? formatNumber(static_cast<float>(value)) : formatNumber(value);
    QCOMPARE(written, text);
    const QString plain =
        single ? formatPlainNumber(static_cast<float>(value)) : formatPlainNumber(value);
    QCOMPARE(plain, text.startsWith(u' ') ? text.mid(1) : text);
}

void NumberTextTest::realsReadBackExactly()
{
    // Whatever is written must read back to the same value, through our own
    // reader and through Qt's independent one.
    QRandomGenerator random(20240611);
    for (int i = 0; i < 20000; ++i) {
        const double scale = std::pow(10.0, random.bounded(-9, 20));
        const double d = (random.generateDouble() - 0.5) * scale;
        const float f = static_cast<float>(d);

        const QString dText = formatNumber(d);
        // Exact comparisons: QCOMPARE on floating values would be fuzzy.
        QVERIFY2(readNumber(dText) == d, qPrintable(dText));
        bool ok = false;
        QVERIFY2(dText.trimmed().toDouble(&ok) == d && ok, qPrintable(dText));

        const QString fText = formatNumber(f);
        QVERIFY2(fText.trimmed().toFloat(&ok) == f && ok, qPrintable(fText));
        // Shortest: never more significant digits than a float carries.
        qsizetype digits = 0;
        bool leading = true;
        for (QChar c : fText) {
            if (c == u'E')
                break;
            if (c.isDigit() && !(leading && c == u'0')) {
                leading = false;
                ++digits;
            }
        }
        const bool positionalWhole = !fText.contains(u'.') && !fText.contains(u'E');
        if (!positionalWhole)
            QVERIFY2(digits <= 9, qPrintable(fText));
    }
}

void NumberTextTest::readsLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("junk after") << " 50abc" << 50.0;
    QTest::newRow("exponent and junk") << "-2.5e1x" << -25.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("only blanks") << "   " << 0.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("negative leading point") << "-.5" << -0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("e without digits") << "1e" << 1.0;
    QTest::newRow("e with sign, no digits") << "1e+" << 1.0;
    QTest::newRow("upper E") << "1E2" << 100.0;
    QTest::newRow("negative exponent") << "25e-1" << 2.5;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("tabs and blanks") << " \t 42" << 42.0;
    QTest::newRow("second point ends") << "1.5.3" << 1.5;
    QTest::newRow("double sign") << "--5" << 0.0;
    QTest::newRow("blank after sign") << "- 5" << 0.0;
    QTest::newRow("comma ends") << "12,5" << 12.0;
    QTest::newRow("hex is not read") << "0x1A" << 0.0;
    QTest::newRow("second exponent ends") << "1e5e3" << 100000.0;
    QTest::newRow("paper size field") << " 296 " << 296.0;
    QTest::newRow("full-width digits are no digits") << "１２" << 0.0;
    QTest::newRow("many digits") << "123456789012345678901234567890" << 1.2345678901234568e29;
    QTest::newRow("overflow") << "1e400" << Inf;
    QTest::newRow("negative overflow") << "-1e400" << -Inf;
    QTest::newRow("long mantissa overflow") << "99999e99999999999999999999" << Inf;
    QTest::newRow("underflow") << "1e-400" << 0.0;
    QTest::newRow("400 digits") << "-1" + QString(400, u'0') << -Inf;
    QTest::newRow("400 digits, tiny exponent") << "1" + QString(400, u'0') + "e-800" << 0.0;
    QTest::newRow("400 zeros after the point") << "0." + QString(400, u'0') + "1" << 0.0;
    QTest::newRow("400 zeros after the point, exponent") << "0." + QString(400, u'0') + "1e800"
                                                          << Inf;
    QTest::newRow("zero with huge exponent") << "0e999999" << 0.0;
}

void NumberTextTest::readsLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const double actual = readNumber(text);
    QVERIFY2(actual == value, qPrintable(QString::number(actual, 'g', 17)));
}

void NumberTextTest::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("int16");
    QTest::addColumn<qint64>("int32");

    QTest::newRow("0.5") << 0.5 << 0 << qint64(0);
    QTest::newRow("1.5") << 1.5 << 2 << qint64(2);
    QTest::newRow("2.5") << 2.5 << 2 << qint64(2);
    QTest::newRow("-2.5") << -2.5 << -2 << qint64(-2);
    QTest::newRow("-0.5") << -0.5 << 0 << qint64(0);
    QTest::newRow("-1.5") << -1.5 << -2 << qint64(-2);
    QTest::newRow("just below half") << 2.4999999 << 2 << qint64(2);
    QTest::newRow("just above half") << 2.5000001 << 3 << qint64(3);
    QTest::newRow("int16 top half") << 32767.5 << 32767 << qint64(32768);
    QTest::newRow("int16 bottom half") << -32768.5 << -32768 << qint64(-32768);
    QTest::newRow("1e9") << 1e9 << 32767 << qint64(1000000000);
    QTest::newRow("-1e12") << -1e12 << -32768 << Int32Min;
    QTest::newRow("1e12") << 1e12 << 32767 << Int32Max;
    QTest::newRow("int32 top half") << 2147483647.5 << 32767
                                    << Int32Max;
    QTest::newRow("int32 big half") << 1000000000.5 << 32767 << qint64(1000000000);
    QTest::newRow("infinity") << Inf << 32767 << Int32Max;
    QTest::newRow("-infinity") << -Inf << -32768 << Int32Min;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0 << qint64(0);
}

void NumberTextTest::roundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(int, int16);
    QFETCH(qint64, int32);
    QCOMPARE(int(roundToInt16(value)), int16);
    QCOMPARE(qint64(roundToInt32(value)), int32);
}

void NumberTextTest::roundingMatchesNearbyint()
{
    QCOMPARE(std::fegetround(), FE_TONEAREST);
    QRandomGenerator random(7);
    for (int i = 0; i < 100000; ++i) {
        // Quarter steps hit exact halves often; the wide range hits clamping.
        const double quarter = random.bounded(-200000, 200001) / 4.0;
        const double wide = (random.generateDouble() - 0.5) * 1e10;
        for (double v : {quarter, wide}) {
            QCOMPARE(roundToInt16(v), referenceRound<std::int16_t>(v));
            QCOMPARE(roundToInt32(v), referenceRound<std::int32_t>(v));
        }
    }
}

void NumberTextTest::readsIntoTargets_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("int16");

    QTest::newRow("junk after") << " 50abc" << 50;
    QTest::newRow("half") << "2.5" << 2;
    QTest::newRow("1e9") << "1e9" << 32767;
    QTest::newRow("-1e12") << "-1e12" << -32768;
    QTest::newRow("nothing") << "x" << 0;
}

void NumberTextTest::readsIntoTargets()
{
    QFETCH(QString, text);
    QFETCH(int, int16);
    QCOMPARE(int(readInt16(text)), int16);
}

void NumberTextTest::convertsTwips_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");

    QTest::newRow("one pixel") << 15.0 << 1;
    QTest::newRow("below half") << 7.0 << 0;
    QTest::newRow("above half") << 8.0 << 1;
    QTest::newRow("half to even, down") << 37.5 << 2;
    QTest::newRow("half to even, up") << 22.5 << 2;
    QTest::newRow("main width") << 13500.0 << 900;
    QTest::newRow("negative") << -150.0 << -10;
}

void NumberTextTest::convertsTwips()
{
    QFETCH(double, twips);
    QFETCH(int, pixels);
    QCOMPARE(twipsToPixels(twips), pixels);
    QCOMPARE(pixelsToTwips(pixels), pixels * 15.0);
}
