#include "printtest.h"

#include "outputfixture.h"
#include "output/printpanel.h"
#include "platform/qtprinter.h"
#include "platform/surface.h"
#include "textweave/textpanel.h"
#include "workspace/controlpanel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>

using weftara::testing::OutputFixture;
using weftara::workspace::Picture;

namespace {

// Prints the page into a PDF file through Qt's printer and renders it back
// with pdftoppm, `dotsPerMillimetre` pixels to the millimetre.
QImage printedPage(const weftara::platform::PrintedPage &page, const QString &folder, double dotsPerMillimetre)
{
    weftara::platform::QtPrinter printer;
    const QString pdf = folder + QStringLiteral("/page.pdf");
    printer.printer().setOutputFormat(QPrinter::PdfFormat);
    printer.printer().setOutputFileName(pdf);
    if (!printer.print(page))
        return {};
    const QString png = folder + QStringLiteral("/page");
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dotsPerMillimetre * 25.4),
                                                   QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, png});
    return QImage(png + QStringLiteral(".png"));
}

bool near(const QRect &a, const QRect &b, int tolerance)
{
    return std::abs(a.left() - b.left()) <= tolerance && std::abs(a.top() - b.top()) <= tolerance &&
           std::abs(a.right() - b.right()) <= tolerance && std::abs(a.bottom() - b.bottom()) <= tolerance;
}

} // namespace

void PrintTest::paperEntriesSizeThePage_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QSize>("preview");
    QTest::newRow("postcard upright") << 0 << " 100 " << " 148" << QSize(333, 493);
    QTest::newRow("postcard across") << 1 << " 148 " << " 100" << QSize(493, 333);
    QTest::newRow("A4 upright") << 2 << " 210 " << " 296" << QSize(700, 987);
    QTest::newRow("A4 across") << 3 << " 296 " << " 210" << QSize(987, 700);
}

void PrintTest::paperEntriesSizeThePage()
{
    QFETCH(int, row);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QSize, preview);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not installed");

    OutputFixture f;
    f.showWoven(weftara::testing::variedPicture(40, 30));
    f.printing.openPrintPanel();
    weftara::output::PrintPanel &panel = f.printing.printPanel();
    panel.paperButton()->click();
    QListWidget *list = panel.paperList();
    QVERIFY(!list->isHidden());
    f.printing.onPaperClicked(list->item(row));
    QVERIFY(list->isHidden());
    QCOMPARE(panel.paperWidthBox()->text(), width);
    QCOMPARE(panel.paperHeightBox()->text(), height);
    QCOMPARE(f.printing.pagePreview().size(), preview);

    // The printed sheet is that paper, within the millimetre by which the
    // list's A4 differs from the standard sheet and one for rounding.
    const QImage sheet = printedPage(f.printing.page(), f.dir.path(), 1.0);
    QVERIFY(!sheet.isNull());
    QVERIFY2(std::abs(sheet.width() - width.trimmed().toInt()) <= 2, qPrintable(QString::number(sheet.width())));
    QVERIFY2(std::abs(sheet.height() - height.trimmed().toInt()) <= 2, qPrintable(QString::number(sheet.height())));
}

void PrintTest::pictureLiesWhereTheSlidersPutIt_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<QRect>("inkMillimetres"); // on a 100 × 148 mm postcard

    // The picture is 189 pixels square, 50 mm at 100 percent.
    QTest::newRow("100 %, at the corner") << 100 << 0 << 0 << QRect(0, 0, 50, 50);
    QTest::newRow("200 %, moved, cut at the right") << 200 << 20 << 30 << QRect(20, 30, 80, 100);
    QTest::newRow("50 %, left of the page") << 50 << -10 << 100 << QRect(0, 100, 15, 25);
}

void PrintTest::pictureLiesWhereTheSlidersPutIt()
{
    QFETCH(int, percent);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(QRect, inkMillimetres);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not installed");

    OutputFixture f;
    QImage picture(189, 189, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    f.showWoven(picture);
    f.printing.openPrintPanel();
    weftara::output::PrintPanel &panel = f.printing.printPanel();
    panel.pictureSizeSlider()->setValue(percent);
    panel.pictureLeftSlider()->setValue(left);
    panel.pictureTopSlider()->setValue(top);

    constexpr int DotsPerMillimetre = 4;
    const QImage sheet = printedPage(f.printing.page(), f.dir.path(), DotsPerMillimetre);
    QVERIFY(!sheet.isNull());
    const QRect expected(inkMillimetres.topLeft() * DotsPerMillimetre, inkMillimetres.size() * DotsPerMillimetre);
    const QRect ink = weftara::testing::inkBounds(sheet);
    QVERIFY2(near(ink, expected, 2), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(ink.x()).arg(ink.y())
                                                    .arg(ink.width()).arg(ink.height())));
    // The preview shows the same place, at 10 / 3 pixels to the millimetre.
    const QRect previewInk = weftara::testing::inkBounds(f.printing.pagePreview().image());
    const QRect previewExpected(QRectF(QPointF(inkMillimetres.topLeft()) * 10 / 3,
                                       QSizeF(inkMillimetres.size()) * 10 / 3).toRect());
    QVERIFY(near(previewInk, previewExpected, 2));
}

void PrintTest::copiesAreJobsAndStopEndsTheRun()
{
    OutputFixture f;
    f.showWoven(weftara::testing::variedPicture(40, 30));
    f.printing.openPrintPanel();
    weftara::output::PrintPanel &panel = f.printing.printPanel();

    panel.copiesBox()->setText(QStringLiteral("3"));
    panel.printButton()->click();
    QCOMPARE(f.printer.pages.size(), 3);
    QCOMPARE(panel.printButton()->text(), QStringLiteral("印刷"));

    // "中止" during the first of three copies: that copy is the last, and
    // the count the run leaves lets the next run print.
    f.printer.pages.clear();
    panel.copiesBox()->setText(QStringLiteral("3"));
    f.printer.onPrint = [&panel] {
        QCOMPARE(panel.printButton()->text(), QStringLiteral("中止"));
        panel.printButton()->click();
    };
    panel.printButton()->click();
    QCOMPARE(f.printer.pages.size(), 1);
    QCOMPARE(panel.printButton()->text(), QStringLiteral("印刷"));
    QCOMPARE(panel.copiesBox()->text().trimmed(), QStringLiteral("0"));

    f.printer.onPrint = nullptr;
    panel.printButton()->click();
    QCOMPARE(f.printer.pages.size(), 2);
}

void PrintTest::composedPageAndWholePageView()
{
    OutputFixture f;
    f.showWoven(weftara::testing::variedPicture(400, 300));
    f.printing.openPrintPanel();
    weftara::output::PrintPanel &panel = f.printing.printPanel();
    panel.pictureLeftSlider()->setValue(10);
    const QImage page = f.printing.pagePreview().image().copy();

    panel.wholePageButton()->click();
    QVERIFY(f.printing.wholePageShown());
    QCOMPARE(panel.wholePageButton()->text(), QStringLiteral("元に戻す"));
    QCOMPARE(f.printing.wholePageView().size(), page.size() / 3);

    // "文字入力": the page becomes the woven picture, text mode starts on it
    // and the whole-page view goes.
    panel.composeButton()->click();
    QVERIFY(panel.isHidden());
    QVERIFY(f.ws.flags().pageComposed);
    QVERIFY(f.textWeaver.textMode());
    QVERIFY(weftara::testing::sameColours(f.woven(), page));
    QVERIFY(!f.printing.wholePageShown());

    // Opened again, the page is the composed one, printed over the sheet.
    f.printing.openPrintPanel();
    QVERIFY(!f.textWeaver.textMode());
    QVERIFY(weftara::testing::sameColours(f.printing.pagePreview().image(), page));
    QCOMPARE(f.printing.page().place.topLeft(), QPointF(0, 0));
    QVERIFY(std::abs(f.printing.page().place.width() - 100) < 0.5);

    // Closing only ever turns the view off, and brings the control panel
    // and the woven picture back.
    panel.closeButton()->click();
    QVERIFY(!f.printing.wholePageView().isVisibleTo(&f.form));
    QVERIFY(f.form.controlPanel()->isVisibleTo(&f.form));
    QVERIFY(f.ws.picture(Picture::Woven).isVisibleTo(&f.form));
    QVERIFY(!f.printing.pagePreview().isVisibleTo(&f.form));
}
