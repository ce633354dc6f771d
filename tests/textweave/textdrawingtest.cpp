#include "textdrawingtest.h"

#include "textfixture.h"

#include "platform/picturememory.h"

#include <QFontMetricsF>
#include <QPushButton>
#include <QTest>

using namespace weftara;
using testing::TextFixture;

namespace {

constexpr QRgb White = 0xFFFFFFFF;

// One line's height as a 96-dots-per-inch picture measures it.
double lineSpacingOf(const QFont &font)
{
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(3780);
    device.setDotsPerMeterY(3780);
    return QFontMetricsF(font, &device).lineSpacing();
}

} // namespace

void TextDrawingTest::emptyTextLogsGroupAndDrawsNothing()
{
    TextFixture f;
    f.loadWoven(testing::variedPicture(160, 100));
    f.weaver.toggleTextMode();
    const QImage before = f.woven();
    f.typeText(QString(), 10, 10);
    f.panel.drawButton()->click();

    const QStringList log = f.log();
    QVERIFY(log.size() >= 12);
    QCOMPARE(log.at(log.size() - 11), QStringLiteral("Text7text="));
    QCOMPARE(log.last(), QStringLiteral("MojiKakikomi"));
    QVERIFY(testing::sameColours(f.woven(), before));
}

void TextDrawingTest::threeLinesStartAtTheLeftEdge()
{
    TextFixture f;
    f.loadWoven(testing::uniformPicture(320, 240, White));
    f.weaver.toggleTextMode();
    QVERIFY(f.placed.setFontSize(20));
    const float left = 40;
    const float top = 12;
    f.typeText(QStringLiteral("HIH\r\nHH\r\nHIHIH"), left, top);
    f.panel.drawButton()->click();

    const QImage woven = f.woven();
    const auto bands = testing::inkBands(woven, White);
    QCOMPARE(bands.size(), 3);
    const double spacing = lineSpacingOf(f.placed.attributes().font());
    const QRect all = testing::inkBounds(woven, White);
    QVERIFY2(all.left() >= int(left), "ink left of the text box");
    for (int k = 0; k < 3; ++k) {
        // Band k lies within line k, and its ink starts close to the box's
        // left edge (the stem of "H").
        QVERIFY(bands[k].first >= top + k * spacing);
        QVERIFY(bands[k].second < top + (k + 1) * spacing);
        const QImage band = woven.copy(0, bands[k].first, woven.width(), bands[k].second - bands[k].first + 1);
        const QRect ink = testing::inkBounds(band, White);
        QVERIFY2(ink.left() >= int(left) && ink.left() <= int(left) + 6,
                 qPrintable(QStringLiteral("line %1 starts at x %2").arg(k).arg(ink.left())));
    }
    // The box is emptied and folded away, still there for the next text.
    QCOMPARE(f.placed.text(), QString());
    QCOMPARE(f.box.size(), QSize(0, 0));
    QVERIFY(!f.box.isHidden());
}

void TextDrawingTest::inkTakesTheTextColour()
{
    TextFixture f;
    f.loadWoven(testing::uniformPicture(200, 120, White));
    f.weaver.toggleTextMode();
    f.placed.setFontSize(48);
    f.placed.setFontBold(true);
    f.placed.setColor(QColor(0, 128, 255));
    f.typeText(QStringLiteral("H"), 5, 5);
    f.panel.drawButton()->click();

    const QImage woven = f.woven();
    int exact = 0;
    for (int y = 0; y < woven.height(); ++y)
        for (int x = 0; x < woven.width(); ++x)
            if ((woven.pixel(x, y) & 0xFFFFFF) == 0x0080FF)
                ++exact;
    QVERIFY2(exact > 100, qPrintable(QString::number(exact)));
}

void TextDrawingTest::loggedGroup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<float>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("two lines, bold and underlined")
        << QStringLiteral("漢字\r\nb") << 12.0f << 7.0f << QStringLiteral("Noto Sans CJK JP")
        << QColor(10, 20, 30) << 14.5f << true << false << true
        << QStringList{"Text7text=漢字&&&b", "CurrentX= 12", "CurrentY= 7",
                       "Font=Noto Sans CJK JP", "ForeColor= 1971210",
                       "FontName=Noto Sans CJK JP", "FontSize= 14.5", "FontBold=True",
                       "FontItalic=False", "FontUnderline=True", "MojiKakikomi"};
    QTest::newRow("red, italic, at the corner")
        << QStringLiteral("plain") << 0.0f << 0.0f << QStringLiteral("DejaVu Serif")
        << QColor(255, 0, 0) << 9.0f << false << true << false
        << QStringList{"Text7text=plain", "CurrentX= 0", "CurrentY= 0", "Font=DejaVu Serif",
                       "ForeColor= 255", "FontName=DejaVu Serif", "FontSize= 9",
                       "FontBold=False", "FontItalic=True", "FontUnderline=False",
                       "MojiKakikomi"};
    QTest::newRow("blue, position from a replay, trailing break")
        << QStringLiteral("x\r\n") << 3.5f << 120.25f << QStringLiteral("DejaVu Sans")
        << QColor(0, 0, 255) << 100.0f << true << true << true
        << QStringList{"Text7text=x&&&", "CurrentX= 3.5", "CurrentY= 120.25",
                       "Font=DejaVu Sans", "ForeColor= 16711680", "FontName=DejaVu Sans",
                       "FontSize= 100", "FontBold=True", "FontItalic=True",
                       "FontUnderline=True", "MojiKakikomi"};
}

// Set as replay sets the box; then "決定" appends exactly the group.
void TextDrawingTest::loggedGroup()
{
    QFETCH(QString, text);
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(QString, family);
    QFETCH(QColor, color);
    QFETCH(float, size);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(QStringList, expected);

    TextFixture f;
    f.loadWoven(testing::uniformPicture(200, 160, White));
    const QStringList before = f.log();
    f.weaver.toggleTextMode();
    f.placed.setText(text);
    f.placed.setLeft(left);
    f.placed.setTop(top);
    QVERIFY(f.placed.setFontName(family));
    QVERIFY(f.placed.setColorValue(textweave::colorValue(color)));
    QVERIFY(f.placed.setFontSize(size));
    f.placed.setFontBold(bold);
    f.placed.setFontItalic(italic);
    f.placed.setFontUnderline(underline);
    f.weaver.drawText();

    QCOMPARE(f.log(), before + expected);
}

// Japanese text reaches the picture (a glyph, not nothing).
void TextDrawingTest::japaneseTextIsDrawn()
{
    TextFixture f;
    f.loadWoven(testing::uniformPicture(200, 80, White));
    f.weaver.toggleTextMode();
    f.placed.setFontSize(24);
    f.typeText(QStringLiteral("文字織込"), 4, 4);
    f.weaver.drawText();
    const QRect ink = testing::inkBounds(f.woven(), White);
    QVERIFY(ink.width() > 60);
    QVERIFY(ink.height() > 15);
}

void TextDrawingTest::tooLargeForMemoryDrawsNothing()
{
    TextFixture f;
    f.loadWoven(testing::uniformPicture(200, 120, White));
    f.weaver.toggleTextMode();
    const QImage before = f.woven();
    const QStringList log = f.log();
    f.typeText(QStringLiteral("H"), 5, 5);
    platform::setPicturePixelCap(20'000);
    f.panel.drawButton()->click();
    platform::setPicturePixelCap(0);
    QCOMPARE(f.dialogs.messages().size(), 1);
    QVERIFY(testing::sameColours(f.woven(), before));
    QCOMPARE(f.log(), log);
}
