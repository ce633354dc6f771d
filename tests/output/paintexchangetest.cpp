#include "outputtests.h"

#include "outputfixture.h"
#include "output/paintexchange.h"
#include "platform/clipboard.h"
#include "platform/surface.h"
#include "support/recordingdesktop.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using weftara::output::PaintPrograms;
using weftara::testing::OutputFixture;

void PaintExchangeTest::sendStartsTheFirstProgramFound()
{
    OutputFixture f;
    f.showWoven(weftara::testing::variedPicture(50, 40));
    const QImage shown = f.woven().copy();

    // None installed: the message names those looked for, and the picture
    // is on the clipboard all the same.
    weftara::testing::RecordingDesktop desktop;
    weftara::output::sendToPaint(f.ws, desktop);
    QCOMPARE(f.dialogs.messages().size(), 1);
    for (const QStringView program : PaintPrograms)
        QVERIFY(f.dialogs.messages().first().contains(program));
    QVERIFY(weftara::testing::sameColours(weftara::platform::imageOnClipboard(), shown));

    desktop.install(PaintPrograms[4].toString());
    desktop.install(PaintPrograms[2].toString());
    weftara::output::sendToPaint(f.ws, desktop);
    QCOMPARE(desktop.started(), QStringList{"/usr/bin/" + PaintPrograms[2].toString()});
    QCOMPARE(f.dialogs.messages().size(), 1);
}

void PaintExchangeTest::takeBackKeepsTheSurfaceSize()
{
    OutputFixture f;
    f.showWoven(weftara::testing::variedPicture(50, 40));
    const QStringList log = f.ws.log().lines();
    QImage small(20, 10, QImage::Format_RGB32);
    small.fill(Qt::magenta);
    weftara::platform::putImageOnClipboard(small);
    weftara::output::takeFromPaint(f.ws);
    QCOMPARE(f.woven().size(), QSize(50, 40));
    QCOMPARE(f.woven().pixel(19, 9), qRgb(255, 0, 255));
    QCOMPARE(f.woven().pixel(20, 10), weftara::platform::Surface::DefaultBackColor);
    QCOMPARE(f.ws.log().lines(), log);

    // A clipboard without a picture changes nothing.
    QGuiApplication::clipboard()->setText(QStringLiteral("text"));
    weftara::output::takeFromPaint(f.ws);
    QCOMPARE(f.woven().pixel(0, 0), qRgb(255, 0, 255));
}
