#include "app/layouttest.h"

#include "app/guidetext.h"
#include "app/mainlayout.h"
#include "app/tabbuttons.h"
#include "workspace/operationlog.h"

#include <QSet>
#include <QTest>

using namespace weftara::app;

void LayoutTest::tabStripFollowsWindow_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("first start") << QSize(13500, 10700) << QRect(0, 690, 13600, 9700);
    QTest::newRow("lower than 1000") << QSize(3000, 600) << QRect(0, 690, 3100, 400);
    QTest::newRow("exactly 1000 high") << QSize(3000, 1000) << QRect(0, 690, 3100, 0);
    QTest::newRow("huge") << QSize(2147483600, 100) << QRect(0, 690, 2147483647, 900);
}

void LayoutTest::tabStripFollowsWindow()
{
    QFETCH(QSize, window);
    QFETCH(QRect, expected);
    QCOMPARE(tabStripGeometry(window.width(), window.height()), expected);
}

void LayoutTest::tabButtonPositions()
{
    const QRect strip = tabStripGeometry(13500, 10700);
    const QList<QPoint> expected = {{50, 730}, {1050, 730}, {2050, 730}, {3050, 730}, {4050, 730}};
    for (int i = 0; i < TabCount; ++i)
        QCOMPARE(tabButtonPosition(strip.topLeft(), i), expected[i]);
    QCOMPARE(tabButtonPosition({200, 1000}, 2), QPoint(2250, 1040));
}

void LayoutTest::sizeGroupIsAppendedOrReplaced_data()
{
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("expected");

    const QStringList group = {"Left= 1500", "Top=-60", "Width= 13500", "Height= 0", "Size"};
    const QStringList weave = {"Text2= 50", "Orikomi"};
    const QStringList oldGroup = {"Left= 1", "Top= 2", "Width= 3", "Height= 4", "Size"};

    QTest::newRow("empty log") << QStringList() << group;
    QTest::newRow("after a weave") << weave << weave + group;
    QTest::newRow("after a Size group") << weave + oldGroup << weave + group;
    QTest::newRow("a Size group alone") << oldGroup << group;
    QTest::newRow("weave after a Size group") << oldGroup + weave << oldGroup + weave + group;
    QTest::newRow("three lines ending in Size") << QStringList({"a", "b", "Size"})
                                                << QStringList({"a", "b", "Size"}) + group;
    QTest::newRow("four lines ending in Size") << QStringList({"a", "b", "c", "Size"})
                                               << QStringList({"a", "b", "c", "Size"}) + group;
    QTest::newRow("last line only begins with Size") << QStringList({"1", "2", "3", "4", "5", "Sizes"})
                                                     << QStringList({"1"}) + group;
    QTest::newRow("case matters") << QStringList({"1", "2", "3", "4", "size"})
                                  << QStringList({"1", "2", "3", "4", "size"}) + group;
}

void LayoutTest::sizeGroupIsAppendedOrReplaced()
{
    QFETCH(QStringList, log);
    QFETCH(QStringList, expected);
    weftara::workspace::OperationLog operationLog;
    operationLog.append(log);
    recordSize(operationLog, {1500, -60, 13500, 0});
    QCOMPARE(operationLog.lines(), expected);
}

void LayoutTest::guideText()
{
    const QString text = weftara::app::guideText();
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    // Every line break is CR LF.
    QCOMPARE(text.count(u'\n'), text.count(QStringLiteral("\r\n")));
    QCOMPARE(text.count(u'\r'), text.count(QStringLiteral("\r\n")));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.size(), 27);

    const QString ideographicSpace(QChar(0x3000));
    QCOMPARE(lines[0], ideographicSpace.repeated(14) + QStringLiteral("Weftara御詞"));
    for (const int empty : {4, 6, 11, 15, 19, 22})
        QVERIFY2(lines[empty - 1].isEmpty(), qPrintable(QString::number(empty)));
    QCOMPARE(lines[17], QStringLiteral(" "));
    QCOMPARE(lines[22], ideographicSpace.repeated(4) + QStringLiteral("注意！！"));
    QVERIFY(lines[23].endsWith(QStringLiteral("必ず") + ideographicSpace));
    QCOMPARE(lines[26], ideographicSpace.repeated(2) + QStringLiteral("画面のプロパティ") + ideographicSpace
                            + QStringLiteral("->設定") + ideographicSpace + QStringLiteral("画面色で設定します。"));
}

void LayoutTest::tabButtonPictures()
{
    QSet<QByteArray> seen;
    for (int i = 0; i < TabCount; ++i) {
        for (const bool selected : {false, true}) {
            const QImage image = tabButtonImage(i, selected);
            QCOMPARE(image.size(), TabButtonSize);
            QCOMPARE(image.format(), QImage::Format_RGB32);
            // The caption shows: the middle band holds pixels far from the
            // button face's colour, and none of the caption touches the ends.
            const QRgb face = image.pixel(2, 2);
            int ink = 0;
            for (int y = 2; y < image.height() - 2; ++y) {
                for (int x = 1; x < image.width() - 1; ++x) {
                    const QRgb p = image.pixel(x, y);
                    const int distance = std::abs(qGray(p) - qGray(face));
                    if (distance > 80) {
                        ++ink;
                        QVERIFY2(x > 3 && x < image.width() - 4, qPrintable(tabCaption(i + 1)));
                    }
                }
            }
            QVERIFY2(ink > 40, qPrintable(tabCaption(i + 1)));
            seen.insert(QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
        }
    }
    QCOMPARE(seen.size(), 2 * TabCount);
    QCOMPARE(tabCaption(1), QStringLiteral("元絵集"));
    QCOMPARE(tabCaption(5), QStringLiteral("織込"));
    QCOMPARE(tabCaption(6), QString());
}
