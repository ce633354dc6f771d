#include "textlinestest.h"

#include "textfixture.h"
#include "textweave/textattributes.h"
#include "textweave/textlines.h"

#include <QPushButton>
#include <QTest>

using namespace weftara;

void TextLinesTest::verticalText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ab and a line break") << "ab\r\n" << "a\r\nb\r\n";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("only a line break") << "\r\n" << "";
    QTest::newRow("lines joined") << "a\r\n\r\nb" << "a\r\nb\r\n";
    QTest::newRow("lone LF and CR") << "a\nb\rc" << "a\r\nb\r\nc\r\n";
    QTest::newRow("kanji") << "漢字" << "漢\r\n字\r\n";
    QTest::newRow("surrogate pair kept") << QString::fromUtf8("\xF0\xA0\x80\x8Bx")
                                         << QString::fromUtf8("\xF0\xA0\x80\x8B\r\nx\r\n");
    QTest::newRow("combining mark kept") << QString::fromUtf8("e\xCC\x81" "f")
                                         << QString::fromUtf8("e\xCC\x81\r\nf\r\n");
}

// Through the "縦書き" button, on the text box as it holds the text.
void TextLinesTest::verticalText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    testing::TextFixture f;
    f.placed.setText(text);
    f.panel.verticalButton()->click();
    QCOMPARE(f.placed.text(), expected);
    QCOMPARE(textweave::verticalText(text), expected);
}

void TextLinesTest::drawnLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList{""};
    QTest::newRow("one") << "abc" << QStringList{"abc"};
    QTest::newRow("CR LF") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("trailing break") << "a\r\nb\r\n" << QStringList{"a", "b", ""};
    QTest::newRow("mixed breaks") << "a\rb\nc" << QStringList{"a", "b", "c"};
    QTest::newRow("only breaks") << "\r\n\r\n" << QStringList{"", "", ""};
}

void TextLinesTest::drawnLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(textweave::drawnLines(text), lines);
}

void TextLinesTest::colorValues_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QColor>("color");
    QTest::newRow("black") << qint64(0) << true << QColor(0, 0, 0);
    QTest::newRow("red is the low byte") << qint64(255) << true << QColor(255, 0, 0);
    QTest::newRow("blue is the third byte") << qint64(16711680) << true << QColor(0, 0, 255);
    QTest::newRow("mixed") << qint64(10 + 20 * 256 + 30 * 65536) << true << QColor(10, 20, 30);
    QTest::newRow("text box yellow") << qint64(0x00C0FFFF) << true << QColor(255, 255, 192);
    QTest::newRow("negative") << qint64(-1) << false << QColor();
    QTest::newRow("system colour") << qint64(-2147483640) << false << QColor();
    QTest::newRow("above 24 bits") << qint64(0x1000000) << false << QColor();
}

void TextLinesTest::colorValues()
{
    QFETCH(qint64, value);
    QFETCH(bool, valid);
    QFETCH(QColor, color);
    const auto read = textweave::colorFromValue(value);
    QCOMPARE(read.has_value(), valid);
    if (valid) {
        QCOMPARE(read->rgb(), color.rgb());
        QCOMPARE(qint64(textweave::colorValue(*read)), value);
    }
}

// The box is a view: what replay sets shows in it, and what the user types
// (the editor's own line ends) is what is drawn and logged.
void TextLinesTest::boxShowsPlacedText()
{
    testing::TextFixture f;
    f.placed.setText(QStringLiteral("a\r\nb"));
    f.placed.setLeft(12.4f);
    f.placed.setTop(7.6f);
    QVERIFY(f.placed.setFontSize(30));
    QCOMPARE(f.box.toPlainText(), QStringLiteral("a\nb"));
    QCOMPARE(f.box.pos(), QPoint(12, 8));
    QCOMPARE(f.box.font().pointSizeF(), 30.0);

    f.box.moveCursor(QTextCursor::End);
    QTest::keyClick(&f.box, Qt::Key_Return);
    QTest::keyClicks(&f.box, QStringLiteral("c"));
    QCOMPARE(f.placed.text(), QStringLiteral("a\r\nb\r\nc"));
    QCOMPARE(f.box.toPlainText(), QStringLiteral("a\nb\nc"));
}
