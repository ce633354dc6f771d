#include "textpaneltest.h"

#include "platform/surface.h"
#include "platform/surfaceview.h"
#include "textfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace weftara;
using testing::TextFixture;

void TextPanelTest::fontDialogChosen()
{
    TextFixture f;
    f.weaver.toggleTextMode();
    const QString initialFamily = f.placed.fontName();
    QFont answer(QStringLiteral("DejaVu Serif"));
    answer.setPointSizeF(20);
    answer.setBold(true);
    answer.setItalic(true);
    answer.setUnderline(true);
    f.dialogs.queueFont(answer);

    f.panel.fontButton()->click();
    QCOMPARE(f.dialogs.fontRequests().size(), 1);
    QCOMPARE(f.dialogs.fontRequests().first().family(), initialFamily);
    const textweave::TextAttributes &a = f.placed.attributes();
    QCOMPARE(a.fontName, QStringLiteral("DejaVu Serif"));
    QCOMPARE(a.fontSize, 20.0f);
    QVERIFY(a.bold && a.italic && a.underline);
    QCOMPARE(f.panel.fontNameLabel()->text(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(f.panel.fontNameLabel()->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(f.panel.fontSizeBox()->text(), QStringLiteral(" 20"));
}

void TextPanelTest::fontDialogCancelled()
{
    TextFixture f;
    f.weaver.toggleTextMode();
    f.placed.setFontSize(30);
    f.placed.setFontItalic(true);
    const textweave::TextAttributes before = f.placed.attributes();
    const QString size = f.panel.fontSizeBox()->text();
    f.panel.fontButton()->click(); // nothing queued: cancelled
    QCOMPARE(f.dialogs.fontRequests().size(), 1);
    QVERIFY(f.placed.attributes() == before);
    QCOMPARE(f.panel.fontSizeBox()->text(), size);
}

void TextPanelTest::colourDialog()
{
    TextFixture f;
    f.weaver.toggleTextMode();
    const QColor chosen(0, 128, 255);
    f.dialogs.queueColor(chosen);
    f.panel.colorButton()->click();
    QCOMPARE(f.placed.color().rgb(), chosen.rgb());
    QCOMPARE(f.panel.colorSampleLabel()->palette().color(QPalette::WindowText).rgb(), chosen.rgb());
    QCOMPARE(f.box.palette().color(QPalette::Text).rgb(), chosen.rgb());

    f.panel.colorButton()->click(); // cancelled: the colour stays
    QCOMPARE(f.dialogs.colorRequests().size(), 2);
    QCOMPARE(f.dialogs.colorRequests().last().rgb(), chosen.rgb());
    QCOMPARE(f.placed.color().rgb(), chosen.rgb());
    QCOMPARE(f.panel.colorSampleLabel()->palette().color(QPalette::WindowText).rgb(), chosen.rgb());
}

void TextPanelTest::fontSizeList()
{
    TextFixture f;
    f.weaver.toggleTextMode();
    QListWidget *list = f.panel.fontSizeList();
    QVERIFY(list->isHidden());
    f.panel.fontSizeButton()->click();

    QStringList expected{"8", "9"};
    for (int size = 10; size <= 70; size += 2)
        expected << QString::number(size);
    expected << "76" << "88" << "96" << "100";
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries << list->item(row)->text();
    QCOMPARE(entries, expected);
    QVERIFY(!list->isHidden());
    QCOMPARE(list->parentWidget(), f.panel.parentWidget());
    QCOMPARE(list->geometry(), QRect(f.panel.x() + f.panel.fontSizeButton()->x(),
                                     f.panel.y() + f.panel.height(), 52, 196));
    QCOMPARE(f.panel.fontSizeBox()->text(), QStringLiteral("12"));
    QCOMPARE(f.placed.fontSize(), 12.0f);

    emit list->itemClicked(list->item(9)); // "24"
    QCOMPARE(f.panel.fontSizeBox()->text(), QStringLiteral("24"));
    QCOMPARE(f.placed.fontSize(), 24.0f);
    QVERIFY(list->isHidden());

    // Closing the panel with the list open takes the list away too.
    f.panel.fontSizeButton()->click();
    f.panel.closeButton()->click();
    QVERIFY(list->isHidden());
}

void TextPanelTest::fontSizeBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("size");
    QTest::newRow("whole") << "30" << 30.0f;
    QTest::newRow("fraction") << "12.5" << 12.5f;
    QTest::newRow("leading number") << " 16pt" << 16.0f;
    QTest::newRow("largest") << "2048" << 2048.0f;
    QTest::newRow("no number") << "abc" << 9.0f;
    QTest::newRow("empty") << "" << 9.0f;
    QTest::newRow("zero") << "0" << 9.0f;
    QTest::newRow("negative") << "-4" << 9.0f;
    QTest::newRow("huge") << "1e9" << 9.0f;
    QTest::newRow("overflowing") << "1e999" << 9.0f;
}

void TextPanelTest::fontSizeBox()
{
    QFETCH(QString, text);
    QFETCH(float, size);
    TextFixture f;
    QCOMPARE(f.placed.fontSize(), 9.0f);
    f.panel.fontSizeBox()->setText(text);
    QCOMPARE(f.placed.fontSize(), size);
    QCOMPARE(f.box.font().pointSizeF(), double(size));
}

// 337 × 46 pixels hold every control, and no caption is cut.
void TextPanelTest::captionsFitTheirControls()
{
    TextFixture f;
    f.weaver.toggleTextMode();
    QCOMPARE(f.panel.size(), QSize(337, 46));
    const QRect inside = f.panel.contentsRect();
    const auto children = f.panel.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QVERIFY(children.size() >= 13);
    for (const QWidget *child : children) {
        QVERIFY2(inside.contains(child->geometry()), qPrintable(child->objectName()));
        QString caption;
        int room = child->width();
        if (const auto *button = qobject_cast<const QPushButton *>(child)) {
            caption = button->text();
            room -= 4; // the button's own border
        } else if (const auto *label = qobject_cast<const QLabel *>(child)) {
            if (child == f.panel.fontNameLabel())
                continue; // a font name: elided when long
            caption = label->text();
        }
        if (caption.isEmpty())
            continue;
        const int needed = child->fontMetrics().horizontalAdvance(caption);
        QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1: %2 > %3")
                                                .arg(child->objectName()).arg(needed).arg(room)));
    }
}

void TextPanelTest::mousePlacesAndSizesTheBox()
{
    TextFixture f;
    f.loadWoven(testing::uniformPicture(240, 160, 0xFFFFFFFF));
    f.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.form));
    const platform::Surface &woven = f.ws.picture(weftara::workspace::Picture::Woven);
    QWidget *surface = f.form.surfaceView(woven);
    QVERIFY(surface);

    // Outside text mode a press places nothing.
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(30, 30));
    QVERIFY(f.box.isHidden());

    f.weaver.toggleTextMode();
    f.placed.setFontSize(18);
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(20, 15));
    QCOMPARE(f.box.pos(), QPoint(20, 15));
    QCOMPARE(f.placed.left(), 20.0f);
    QCOMPARE(f.placed.top(), 15.0f);
    QVERIFY(f.box.isVisible());
    QCOMPARE(woven.textFont().pointSizeF(), 18.0);

    QTest::mouseMove(surface, QPoint(120, 75));
    QCOMPARE(f.box.size(), QSize(100, 60));
    // Left of the corner: the width is refused, the height taken.
    QTest::mouseMove(surface, QPoint(10, 90));
    QCOMPARE(f.box.size(), QSize(100, 75));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(10, 90));

    // Moving without a button held sizes nothing.
    QTest::mouseMove(surface, QPoint(200, 150));
    QCOMPARE(f.box.size(), QSize(100, 75));

    // The next press starts a new box.
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(150, 100));
    QCOMPARE(f.box.pos(), QPoint(150, 100));
    QTest::mouseMove(surface, QPoint(200, 130));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(200, 130));
    QCOMPARE(f.box.geometry(), QRect(150, 100, 50, 30));

    // Typed text is drawn at the box's corner.
    f.placed.setText(QStringLiteral("H"));
    f.panel.drawButton()->click();
    const QRect ink = testing::inkBounds(f.woven(), 0xFFFFFFFF);
    QVERIFY(ink.left() >= 150 && ink.left() < 156);
    QVERIFY(ink.top() >= 100 && ink.top() < 130);
}
