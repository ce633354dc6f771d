#include "outputtests.h"

#include "outputfixture.h"
#include "output/paintexchange.h"
#include "platform/clipboard.h"
#include "platform/surface.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTest>

using weftara::output::paintPrograms;
using weftara::testing::OutputFixture;

void PaintExchangeTest::sendStartsTheFirstProgramFound()
{
    OutputFixture f;
    f.showWoven(weftara::testing::variedPicture(50, 40));
    const QImage shown = f.woven().copy();

    // None on the search path: the message names those looked for, and the
    // picture is on the clipboard all the same.
    weftara::output::sendToPaint(f.ws, {f.dir.path()});
    QCOMPARE(f.dialogs.messages().size(), 1);
    for (const QString &program : paintPrograms())
        QVERIFY(f.dialogs.messages().first().contains(program));
    QVERIFY(weftara::testing::sameColours(weftara::platform::imageOnClipboard(), shown));

    // A stand-in for the third program, which leaves a mark when started.
    const QString mark = f.dir.filePath(QStringLiteral("started"));
    QFile script(f.dir.filePath(paintPrograms().at(2)));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\ntouch '" + mark.toUtf8() + "'\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    weftara::output::sendToPaint(f.ws, {f.dir.path()});
    QCOMPARE(f.dialogs.messages().size(), 1);
    QTRY_VERIFY(QFile::exists(mark));
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
