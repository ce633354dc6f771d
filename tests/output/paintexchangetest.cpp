#include "paintexchangetest.h"

#include "outputfixture.h"
#include "output/paintexchange.h"
#include "platform/clipboard.h"
#include "platform/surface.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTest>

using weftara::testing::OutputFixture;
using weftara::workspace::Picture;

void PaintExchangeTest::pictureGoesAndComesBack()
{
    OutputFixture f;
    f.showWoven(weftara::testing::variedPicture(50, 40));
    const QImage shown = f.woven().copy();

    // No paint program on the search path: the message names those looked
    // for, and the picture is on the clipboard all the same.
    weftara::output::sendToPaint(f.ws, {f.dir.path()});
    QCOMPARE(f.dialogs.messages().size(), 1);
    for (const QString &program : weftara::output::paintPrograms())
        QVERIFY(f.dialogs.messages().first().contains(program));

    f.ws.picture(Picture::Woven).image().fill(Qt::black);
    const QStringList log = f.ws.log().lines();
    weftara::output::takeFromPaint(f.ws);
    QVERIFY(weftara::testing::sameColours(f.woven(), shown));
    QCOMPARE(f.ws.log().lines(), log);
}

void PaintExchangeTest::smallerPictureLiesTopLeft()
{
    OutputFixture f;
    f.showWoven(weftara::testing::variedPicture(50, 40));
    const QSize size = f.woven().size();
    QImage small(20, 10, QImage::Format_RGB32);
    small.fill(Qt::magenta);
    weftara::platform::putImageOnClipboard(small);
    weftara::output::takeFromPaint(f.ws);
    const QImage woven = f.woven();
    QCOMPARE(woven.size(), size);
    QCOMPARE(woven.pixel(19, 9), qRgb(255, 0, 255));
    QCOMPARE(woven.pixel(20, 10), f.ws.picture(Picture::Woven).backColor().rgb());

    // A clipboard without a picture changes nothing.
    weftara::platform::putImageOnClipboard(QImage());
    QGuiApplication::clipboard()->setText(QStringLiteral("text"));
    weftara::output::takeFromPaint(f.ws);
    QCOMPARE(f.woven().pixel(0, 0), qRgb(255, 0, 255));
}

void PaintExchangeTest::startsTheFirstProgramFound()
{
    OutputFixture f;
    f.showWoven(weftara::testing::variedPicture(8, 8));
    // A stand-in for the third program of the list; it leaves a mark.
    const QString program = f.dir.filePath(weftara::output::paintPrograms().at(2));
    const QString mark = f.dir.filePath(QStringLiteral("started"));
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\ntouch '" + mark.toUtf8() + "'\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    weftara::output::sendToPaint(f.ws, {f.dir.path()});
    QVERIFY(f.dialogs.messages().isEmpty());
    QTRY_VERIFY(QFile::exists(mark));
}
