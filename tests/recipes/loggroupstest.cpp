#include "recipes/loggroupstest.h"

#include "recipes/loggroups.h"
#include "recipes/operationlog.h"

#include <QTest>

using weftara::engine::WeavePart;
using weftara::recipes::OperationLog;
using weftara::recipes::ZoomTarget;

namespace {

OperationLog logOf(const QStringList &lines)
{
    OperationLog log;
    log.append(lines);
    return log;
}

} // namespace

void LogGroupsTest::weaveGroup_data()
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
    // Taking over its last two lines would leave the threshold line in front
    // and make the plain weave read as one into the light parts.
    QTest::newRow("plain after light appends")
        << QStringList{m, g, "ChechValue1= 200", "Text2=50", "Orikomi"} << 0
        << QStringList{m, g, "ChechValue1= 200", "Text2=50", "Orikomi", "Text2= 60", "Orikomi"};
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

void LogGroupsTest::weaveGroup()
{
    QFETCH(QStringList, before);
    QFETCH(int, threshold);
    QFETCH(QStringList, after);
    OperationLog log = logOf(before);
    const std::optional<WeavePart> parts[] = {std::nullopt, WeavePart::Light, WeavePart::Dark};
    const QString thresholdText = threshold == 1 ? " 200" : " 30";
    weftara::recipes::recordWeave(log, parts[threshold], thresholdText, " 60");
    QCOMPARE(log.lines(), after);
}

void LogGroupsTest::toneGroup_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("g");
    QTest::addColumn<bool>("kept"); // the lines before were kept
    QTest::addColumn<QStringList>("after");

    const QStringList weave{"Motoe=a", "Garae=b", "Text2=50", "Orikomi"};
    const QStringList tone1{"TbsSelect=1", "FlgState(t)=3", "Text3.Text= 20", "Noutan1"};
    const QStringList tone1b{"TbsSelect=1", "FlgState(t)=3", "Text3.Text=-40", "Noutan1"};
    const QStringList tone2{"TbsSelect=2", "FlgState(t)=3", "Text3.Text=-40", "Noutan2"};

    QTest::newRow("first tone appends") << weave << 1 << false << weave + tone1b;
    QTest::newRow("same picture overwrites") << weave + tone1 << 1 << false << weave + tone1b;
    QTest::newRow("kept group stays") << weave + tone1 << 1 << true << weave + tone1 + tone1b;
    QTest::newRow("other picture appends") << weave + tone1 << 2 << false << weave + tone1 + tone2;
    QTest::newRow("fewer than four lines appends")
        << QStringList{"x", "y", "Noutan1"} << 1 << false << QStringList{"x", "y", "Noutan1"} + tone1b;
    QTest::newRow("exactly four lines overwrites") << tone1 << 1 << false << tone1b;
}

void LogGroupsTest::toneGroup()
{
    QFETCH(QStringList, before);
    QFETCH(int, g);
    QFETCH(bool, kept);
    QFETCH(QStringList, after);
    OperationLog log = logOf(before);
    if (kept)
        log.keepLines();
    weftara::recipes::recordTone(log, g, 3, "-40");
    QCOMPARE(log.lines(), after);
}

void LogGroupsTest::zoomGroup_data()
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

void LogGroupsTest::zoomGroup()
{
    QFETCH(QStringList, before);
    QFETCH(bool, woven);
    QFETCH(QStringList, after);
    OperationLog log = logOf(before);
    weftara::recipes::recordZoom(log, woven ? ZoomTarget::Woven : ZoomTarget::Base, " 200", 1);
    QCOMPARE(log.lines(), after);
}

void LogGroupsTest::effectAndColourLines()
{
    OperationLog log;
    weftara::recipes::recordEffect(log, u"強調", 2);
    weftara::recipes::recordColorStep(log, "0", weftara::engine::ChannelStep::RedDown);
    weftara::recipes::recordColorStep(log, "0", weftara::engine::ChannelStep::RedDown);
    QCOMPARE(log.lines(), (QStringList{"SelectedItem=2", "強調 2", "Text6=0", "Command8= 5", "色変更",
                                       "Text6=0", "Command8= 5", "色変更"}));
}

void LogGroupsTest::sizeGroupIsAppendedOrReplaced_data()
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

void LogGroupsTest::sizeGroupIsAppendedOrReplaced()
{
    QFETCH(QStringList, log);
    QFETCH(QStringList, expected);
    OperationLog operationLog = logOf(log);
    weftara::recipes::recordSize(operationLog, 1500, -60, 13500, 0);
    QCOMPARE(operationLog.lines(), expected);
}

void LogGroupsTest::capacity()
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
    weftara::recipes::recordWeave(log, std::nullopt, {}, " 70");
    QCOMPARE(log.count(), OperationLog::MaxLines);
    QCOMPARE(log.line(OperationLog::MaxLines - 2), QStringLiteral("Text2= 70"));
    QCOMPARE(log.line(OperationLog::MaxLines), QString());
    QCOMPARE(log.line(-1), QString());
}
