#include "outputtests.h"

#include "outputfixture.h"
#include "output/printpanel.h"
#include "platform/qtprinter.h"
#include "platform/surface.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>

using weftara::testing::OutputFixture;

namespace {

// Prints the page into a PDF file through Qt's printer and renders it back
// with pdftoppm at `dotsPerMillimetre`.
QImage printedSheet(const weftara::platform::PrintedPage &page, const QString &folder, int dotsPerMillimetre)
{
    weftara::platform::QtPrinter printer;
    printer.printer().setOutputFormat(QPrinter::PdfFormat);
    printer.printer().setOutputFileName(folder + QStringLiteral("/page.pdf"));
    if (!printer.print(page))
        return {};
    QProcess::execute(QStringLiteral("pdftoppm"), {"-r", QString::number(dotsPerMillimetre * 25.4), "-png",
                                                   "-singlefile", folder + "/page.pdf", folder + "/page"});
    return QImage(folder + QStringLiteral("/page.png"));
}

QRect scaled(const QRectF &rect, double factor)
{
    return QRectF(rect.topLeft() * factor, rect.size() * factor).toRect();
}

bool near(const QRect &a, const QRect &b, int tolerance)
{
    return std::abs(a.left() - b.left()) <= tolerance && std::abs(a.top() - b.top()) <= tolerance
        && std::abs(a.right() - b.right()) <= tolerance && std::abs(a.bottom() - b.bottom()) <= tolerance;
}

} // namespace

void PrintTest::printedPageIsThePreview_data()
{
    QTest::addColumn<int>("paper"); // row of the paper list
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QSize>("preview");
    QTest::addColumn<QList<int>>("sliders"); // size %, left mm, top mm
    QTest::addColumn<QRect>("ink");          // millimetres

    // The picture is 189 pixels square: 50 mm at 100 percent.
    QTest::newRow("postcard") << 0 << QStringList{" 100 ", " 148"} << QSize(333, 493) << QList<int>{100, 0, 0}
                              << QRect(0, 0, 50, 50);
    QTest::newRow("postcard across, 200 %, cut below") << 1 << QStringList{" 148 ", " 100"} << QSize(493, 333)
                                                       << QList<int>{200, 20, 30} << QRect(20, 30, 100, 70);
    QTest::newRow("A4, 50 %, left of the sheet") << 2 << QStringList{" 210 ", " 296"} << QSize(700, 987)
                                                 << QList<int>{50, -10, 100} << QRect(0, 100, 15, 25);
    QTest::newRow("A4 across, cut at the right") << 3 << QStringList{" 296 ", " 210"} << QSize(987, 700)
                                                 << QList<int>{200, 200, 0} << QRect(200, 0, 96, 100);
}

void PrintTest::printedPageIsThePreview()
{
    QFETCH(int, paper);
    QFETCH(QStringList, boxes);
    QFETCH(QSize, preview);
    QFETCH(QList<int>, sliders);
    QFETCH(QRect, ink);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not installed");

    OutputFixture f;
    QImage picture(189, 189, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    f.showWoven(picture);
    f.printing.openPrintPanel();
    weftara::output::PrintPanel &panel = f.printing.printPanel();
    panel.paperButton()->click();
    QVERIFY(!panel.paperList()->isHidden());
    f.printing.onPaperClicked(panel.paperList()->item(paper));
    QVERIFY(panel.paperList()->isHidden());
    QCOMPARE((QStringList{panel.paperWidthBox()->text(), panel.paperHeightBox()->text()}), boxes);
    panel.pictureSizeSlider()->setValue(sliders[0]);
    panel.pictureLeftSlider()->setValue(sliders[1]);
    panel.pictureTopSlider()->setValue(sliders[2]);

    const QImage shownPage = f.printing.pagePreview().image();
    QCOMPARE(shownPage.size(), preview);
    QVERIFY(near(weftara::testing::inkBounds(shownPage), scaled(ink, 10.0 / 3), 2));

    // The sheet is the paper (the list's A4 is a millimetre short of the
    // standard sheet it is printed on), with the picture where the preview
    // shows it.
    constexpr int Dots = 4;
    const QImage sheet = printedSheet(f.printing.page(), f.dir.path(), Dots);
    QVERIFY(!sheet.isNull());
    const QSize paperSize(boxes[0].trimmed().toInt(), boxes[1].trimmed().toInt());
    QVERIFY(near(sheet.rect(), QRect(QPoint(0, 0), paperSize * Dots), 2 * Dots));
    const QRect printedInk = weftara::testing::inkBounds(sheet);
    QVERIFY2(near(printedInk, scaled(ink, Dots), 2),
             qPrintable(QStringLiteral("%1 %2 %3 %4").arg(printedInk.x()).arg(printedInk.y())
                            .arg(printedInk.width()).arg(printedInk.height())));
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
    f.printer.onPrint = [&panel] { panel.printButton()->click(); };
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
    QCOMPARE(panel.wholePageButton()->text(), QStringLiteral("元に戻す"));
    QCOMPARE(f.printing.wholePageView().size(), page.size() / 3);

    // "文字入力": the page becomes the woven picture and text mode starts on
    // it; opened again, the panel shows that page, printed over the sheet.
    panel.composeButton()->click();
    QVERIFY(panel.isHidden());
    QVERIFY(f.textWeaver.textMode());
    QVERIFY(weftara::testing::sameColours(f.woven(), page));
    f.printing.openPrintPanel();
    QVERIFY(weftara::testing::sameColours(f.printing.pagePreview().image(), page));
    QVERIFY(std::abs(f.printing.page().place.width() - 100) < 0.5);

    // Closing only ever turns the view off and shows the woven picture.
    QVERIFY(!f.printing.wholePageShown());
    panel.closeButton()->click();
    QVERIFY(f.printing.wholePageView().isHidden());
    QVERIFY(f.printing.pagePreview().isHidden());
    QVERIFY(!f.ws.picture(weftara::workspace::Picture::Woven).isHidden());
}
