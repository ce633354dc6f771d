#include "operationlogtest.h"

#include "workspace/operationlog.h"

#include <QTest>

using weftara::workspace::OperationLog;
using weftara::workspace::WeaveThreshold;
using weftara::workspace::ZoomTarget;

namespace {

OperationLog logOf(const QStringList &lines)
{
    OperationLog log;
    log.append(lines);
    return log;
}

} // namespace

void OperationLogTest::weaveGroup_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("threshold"); // 0 none, 1 light, 2 dark
    QTest::addColumn<QStringList>("after");

    const QString m = "Motoe=a", g = "Garae=b";
    QTest::newRow("empty log appends") << QStringList{} << 0 << QStringList{"Text2= 60", "Orikomi"};
    QTest::newRow("empty log, threshold appends")
        << QStringList{} << 1 << QStringList{"ChechValue1= 200", "Text2= 60", "Orikomi"};
    QTest::newRow("after loads appends")
        << QStringList{m, g} << 0 << QStringList{m, g, "Text2= 60", "Orikomi"};
    QTest::newRow("plain over plain overwrites two")
        << QStringList{m, g, "Text2=50", "Orikomi"} << 0 << QStringList{m, g, "Text2= 60", "Orikomi"};
    QTest::newRow("dark over light overwrites three")
        << QStringList{m, g, "ChechValue1= 200", "Text2=50", "Orikomi"} << 2
        << QStringList{m, g, "ChechValue2= 30", "Text2= 60", "Orikomi"};
    QTest::newRow("plain over light keeps the threshold line")
        << QStringList{m, g, "ChechValue1= 200", "Text2=50", "Orikomi"} << 0
        << QStringList{m, g, "ChechValue1= 200", "Text2= 60", "Orikomi"};
    QTest::newRow("light over plain appends three")
        << QStringList{m, g, "Text2=50", "Orikomi"} << 1
        << QStringList{m, g, "Text2=50", "Orikomi", "ChechValue1= 200", "Text2= 60", "Orikomi"};
    QTest::newRow("comparison is case-sensitive")
        << QStringList{m, "Text2=50", "orikomi"} << 0
        << QStringList{m, "Text2=50", "orikomi", "Text2= 60", "Orikomi"};
    QTest::newRow("after an effect appends")
        << QStringList{m, g, "Text2=50", "Orikomi", "SelectedItem=2", "強調 2"} << 0
        << QStringList{m, g, "Text2=50", "Orikomi", "SelectedItem=2", "強調 2", "Text2= 60", "Orikomi"};
}

void OperationLogTest::weaveGroup()
{
    QFETCH(QStringList, before);
    QFETCH(int, threshold);
    QFETCH(QStringList, after);
    OperationLog log = logOf(before);
    const WeaveThreshold kinds[] = {WeaveThreshold::None, WeaveThreshold::Light, WeaveThreshold::Dark};
    const QString thresholdText = threshold == 1 ? " 200" : " 30";
    weftara::workspace::recordWeave(log, kinds[threshold], thresholdText, " 60");
    QCOMPARE(log.lines(), after);
}

void OperationLogTest::toneGroup_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("g");
    QTest::addColumn<QStringList>("after");

    const QStringList weave{"Motoe=a", "Garae=b", "Text2=50", "Orikomi"};
    const QStringList tone1{"TbsSelect=1", "FlgState(t)=3", "Text3.Text= 20", "Noutan1"};
    const QStringList tone1b{"TbsSelect=1", "FlgState(t)=3", "Text3.Text=-40", "Noutan1"};
    const QStringList tone2{"TbsSelect=2", "FlgState(t)=3", "Text3.Text=-40", "Noutan2"};

    QTest::newRow("first tone appends") << weave << 1 << weave + tone1b;
    QTest::newRow("same picture overwrites") << weave + tone1 << 1 << weave + tone1b;
    QTest::newRow("other picture appends") << weave + tone1 << 2 << weave + tone1 + tone2;
    QTest::newRow("fewer than four lines appends")
        << QStringList{"x", "y", "Noutan1"} << 1 << QStringList{"x", "y", "Noutan1"} + tone1b;
    QTest::newRow("exactly four lines overwrites") << tone1 << 1 << tone1b;
}

void OperationLogTest::toneGroup()
{
    QFETCH(QStringList, before);
    QFETCH(int, g);
    QFETCH(QStringList, after);
    OperationLog log = logOf(before);
    weftara::workspace::recordTone(log, g, 3, "-40");
    QCOMPARE(log.lines(), after);
}

void OperationLogTest::zoomGroup_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<bool>("woven");
    QTest::addColumn<QStringList>("after");

    const QStringList s50{"Text4= 50", "FlgState(0)= 1", "sZoom"};
    const QStringList s200{"Text4= 200", "FlgState(0)= 1", "sZoom"};
    const QStringList o200{"Text4= 200", "FlgState(0)= 1", "oZoom"};
    QTest::newRow("three lines always append") << s50 << false << s50 + s200;
    QTest::newRow("repeat overwrites") << QStringList{"Motoe=a"} + s50 << false << QStringList{"Motoe=a"} + s200;
    QTest::newRow("other zoom appends") << QStringList{"Motoe=a"} + s50 << true
                                        << QStringList{"Motoe=a"} + s50 + o200;
    QTest::newRow("empty log appends") << QStringList{} << false << s200;
}

void OperationLogTest::zoomGroup()
{
    QFETCH(QStringList, before);
    QFETCH(bool, woven);
    QFETCH(QStringList, after);
    OperationLog log = logOf(before);
    weftara::workspace::recordZoom(log, woven ? ZoomTarget::Woven : ZoomTarget::Base, " 200", 1);
    QCOMPARE(log.lines(), after);
}

void OperationLogTest::effectAndColourLines()
{
    OperationLog log;
    weftara::workspace::recordEffect(log, "強調", 2);
    weftara::workspace::recordColourStep(log, "0", 5);
    weftara::workspace::recordColourStep(log, "0", 5);
    QCOMPARE(log.lines(), (QStringList{"SelectedItem=2", "強調 2", "Text6=0", "Command8= 5", "色変更",
                                       "Text6=0", "Command8= 5", "色変更"}));
}

void OperationLogTest::capacity()
{
    OperationLog log;
    QStringList filler;
    for (int i = 0; i < OperationLog::MaxLines - 1; ++i)
        filler << QStringLiteral("Text2=50");
    QVERIFY(log.append(filler));

    // A group that does not fit is left out whole; one that fits goes in.
    QVERIFY(!log.append(QStringList{"SelectedItem=0", "単色 0"}));
    QCOMPARE(log.count(), OperationLog::MaxLines - 1);
    QVERIFY(log.append(QStringLiteral("Orikomi")));
    QCOMPARE(log.count(), OperationLog::MaxLines);

    // A full log still coalesces a repeated weave in place.
    weftara::workspace::recordWeave(log, WeaveThreshold::None, {}, " 70");
    QCOMPARE(log.count(), OperationLog::MaxLines);
    QCOMPARE(log.line(OperationLog::MaxLines - 2), QStringLiteral("Text2= 70"));
    QCOMPARE(log.line(OperationLog::MaxLines), QString());
    QCOMPARE(log.line(-1), QString());
}
