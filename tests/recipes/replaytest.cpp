#include "recipes/replaytest.h"

#include "recipes/logvalues.h"
#include "recipes/recordingactions.h"
#include "recipes/replay.h"
#include "recipes/textgroup.h"

#include <QRegularExpression>
#include <QTest>

using weftara::recipes::replayRecipe;
using weftara::recipes::testing::RecordingActions;

namespace {

QStringList wrapInBlock(const QStringList &log)
{
    QStringList block{QStringLiteral("詞初めtest"), QStringLiteral("詞の説明=desc")};
    block += log;
    block += QStringLiteral("詞終わり");
    return block;
}

QStringList replayCalls(const QStringList &block, QStringList *badIndices = nullptr)
{
    RecordingActions actions;
    replayRecipe(block, actions);
    if (badIndices)
        *badIndices = actions.badIndices;
    return actions.calls;
}

// The calls made for the log lines of a block, without the two start calls.
QStringList logCalls(const QStringList &log)
{
    QStringList bad;
    QStringList calls = replayCalls(wrapInBlock(log), &bad);
    if (!bad.isEmpty())
        qWarning() << "out-of-range indices:" << bad;
    return calls.mid(2);
}

// A replayed weave: the options, threshold and ratio as logged, the weave,
// then what it resets, in this order.
QStringList replayedWeave(const QString &ratio, int part = -1, const QString &threshold = {})
{
    QStringList calls;
    for (int other = 0; other < 2; ++other)
        if (other != part)
            calls << QStringLiteral("setWeaveOptionChecked(%1,0)").arg(other);
    if (part >= 0)
        calls << QStringLiteral("setWeaveOptionChecked(%1,1)").arg(part)
              << QStringLiteral("setThresholdBox(%1,%2)").arg(part).arg(threshold);
    calls << "setWeaveRatioBox(" + ratio + ")";
    return calls + QStringList{"weave()", "selectTab(5)", "setZoomSlider(100)", "setToneSlider(0)",
                               "resetWeaveOptions()"};
}

QStringList textGroupLines(const QString &bold)
{
    return {"Text7text=春&&&夏", "CurrentX= 12.5", "CurrentY= 40", "Font=Noto Sans CJK JP",
            "ForeColor= 255", "FontName=Noto Serif CJK JP", "FontSize= 24", "FontBold=" + bold,
            "FontItalic=False", "FontUnderline=-1", "MojiKakikomi"};
}

} // namespace

void RecipeReplayTest::startShowsDescription_data()
{
    QTest::addColumn<QStringList>("block");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("header, description and end only")
        << QStringList{"詞初めa", "詞の説明=春の海、夕方", "詞終わり"}
        << QStringList{"clearLog()", "setDescriptionBox(春の海、夕方)"};
    QTest::newRow("empty description")
        << QStringList{"詞初めa", "詞の説明=", "詞終わり"}
        << QStringList{"clearLog()", "setDescriptionBox()"};
    QTest::newRow("no description line")
        << QStringList{"詞初めa", "Motoe=a.bmp", "詞終わり"}
        << QStringList{"clearLog()", "setDescriptionBox()", "loadBase(a.bmp)", "hidePicture(1)",
                       "hidePicture(2)", "setBaseLoaded(1)", "setWovenUpToDate(0)"};
    QTest::newRow("description line not second")
        << QStringList{"詞の説明=x", "詞初めa"} << QStringList{"clearLog()", "setDescriptionBox()"};
    QTest::newRow("empty block") << QStringList{} << QStringList{"clearLog()", "setDescriptionBox()"};
    QTest::newRow("one line") << QStringList{"詞初めa"} << QStringList{"clearLog()", "setDescriptionBox()"};
}

void RecipeReplayTest::startShowsDescription()
{
    QFETCH(QStringList, block);
    QFETCH(QStringList, expected);
    QCOMPARE(replayCalls(block), expected);
}

void RecipeReplayTest::commandRows_data()
{
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("Motoe=") << QStringList{"Motoe=/home/u/Motoe/花.bmp"}
                            << QStringList{"loadBase(/home/u/Motoe/花.bmp)", "hidePicture(1)",
                                           "hidePicture(2)", "setBaseLoaded(1)",
                                           "setWovenUpToDate(0)"};
    QTest::newRow("Garae=") << QStringList{"Garae=C:\\w\\garae\\wave.bmp"}
                            << QStringList{"loadPattern(C:\\w\\garae\\wave.bmp)",
                                           "setPatternLoaded(1)", "setWovenUpToDate(0)",
                                           "selectTab(4)"};
    QTest::newRow("Motoe= with empty path")
        << QStringList{"Motoe="}
        << QStringList{"loadBase()", "hidePicture(1)", "hidePicture(2)",
                       "setBaseLoaded(1)", "setWovenUpToDate(0)"};

    QTest::newRow("plain weave") << QStringList{"Text2= 30", "Orikomi"} << replayedWeave(" 30");
    // The logged ratio is put back for the weaves into the parts too.
    QTest::newRow("weave into light parts")
        << QStringList{"ChechValue1= 200", "Text2= 40", "Orikomi"} << replayedWeave(" 40", 0, " 200");
    QTest::newRow("weave into dark parts")
        << QStringList{"ChechValue2= 60", "Text2= 40", "Orikomi"} << replayedWeave(" 40", 1, " 60");
    QTest::newRow("threshold as logged")
        << QStringList{"ChechValue2=60.5", "Text2= 40", "Orikomi"} << replayedWeave(" 40", 1, "60.5");
    QTest::newRow("weave into parts with a broken ratio line keeps the box")
        << QStringList{"ChechValue2= 60", "Text2", "Orikomi"}
        << replayedWeave({}, 1, " 60").filter(QRegularExpression("^(?!setWeaveRatioBox)"));
    QTest::newRow("threshold key decides by its first 12 characters")
        << QStringList{"ChechValue1x 9", "Text2= 40", "Orikomi"} << replayedWeave(" 40");

    // The tab first: selecting it puts its own zoom into the box.
    QTest::newRow("sZoom") << QStringList{"Text4= 150", "FlgState(0)= 2", "sZoom"}
                           << QStringList{"selectTab(3)", "setZoomBox( 150)", "applyZoom()"};
    QTest::newRow("oZoom") << QStringList{"Text4= 75", "FlgState(0)= 2", "oZoom"}
                           << QStringList{"selectTab(5)", "setZoomBox( 75)", "applyZoom()"};

    QTest::newRow("Noutan on the pattern")
        << QStringList{"TbsSelect=1", "FlgState(t)= 3", "Text3.Text=-20", "Noutan 1"}
        << QStringList{"selectTab(4)", "setToneBox(-20)", "applyTone()"};
    QTest::newRow("Noutan puts no copy state back")
        << QStringList{"TbsSelect=1", "FlgState(t)= 1", "Text3.Text=-20", "Noutan 1"}
        << QStringList{"selectTab(4)", "setToneBox(-20)", "applyTone()"};
    QTest::newRow("Noutan takes the picture from TbsSelect, not its own digit")
        << QStringList{"TbsSelect= 2", "FlgState(t)= 3", "Text3.Text= 40", "Noutan 0"}
        << QStringList{"selectTab(5)", "setToneBox( 40)", "applyTone()"};

    QTest::newRow("単色") << QStringList{"SelectedItem=2", "単色 2"}
                          << QStringList{"selectTab(5)", "runEffect(0)"};
    QTest::newRow("ソラリ") << QStringList{"SelectedItem=1", "ソラリ 1"}
                            << QStringList{"selectTab(4)", "runEffect(1)"};
    QTest::newRow("上下") << QStringList{"SelectedItem=0", "上下 0"}
                          << QStringList{"selectTab(3)", "runEffect(2)"};
    QTest::newRow("左 is the fade toward the right")
        << QStringList{"SelectedItem=2", "左 2"} << QStringList{"selectTab(5)", "runEffect(6)"};
    QTest::newRow("右 is the fade toward the left")
        << QStringList{"SelectedItem=2", "右 2"} << QStringList{"selectTab(5)", "runEffect(3)"};
    QTest::newRow("強調") << QStringList{"SelectedItem=0", "強調 0"}
                          << QStringList{"selectTab(3)", "runEffect(4)"};
    QTest::newRow("any line beginning with 左 is a fade")
        << QStringList{"SelectedItem=1", "左右"} << QStringList{"selectTab(4)", "runEffect(6)"};

    QTest::newRow("色変更") << QStringList{"Text6= 15", "Command8= 3", "色変更"}
                            << QStringList{"setColorStepBox( 15)", "runChannelStep(3)"};
    QTest::newRow("any line beginning with 色 is a colour step")
        << QStringList{"Text6=-5", "Command8=0", "色"}
        << QStringList{"setColorStepBox(-5)", "runChannelStep(0)"};

    QTest::newRow("文字織込") << QStringList{"文字織込"} << QStringList{"fixText()"};
    QTest::newRow("文字消去") << QStringList{"文字消去"} << QStringList{"eraseText()"};

    QTest::newRow("MojiKakikomi")
        << textGroupLines("True")
        << QStringList{"toggleTextMode()", "setTextBoxText(春\r\n夏)", "setTextBoxLeft(12.5)",
                       "setTextBoxTop(40)", "setTextBoxFont(Noto Sans CJK JP)",
                       "setTextBoxColor(255)", "setTextBoxFontName(Noto Serif CJK JP)",
                       "setTextBoxFontSize(24)", "setTextBoxBold(1)", "setTextBoxItalic(0)",
                       "setTextBoxUnderline(1)", "drawText()"};

    QTest::newRow("window geometry has no action")
        << QStringList{"Left= 100", "Top= 200", "Width= 9000", "Height= 7000", "Size"}
        << QStringList{};
    QTest::newRow("keys are case-sensitive")
        << QStringList{"motoe=a.bmp", "Text2= 1", "orikomi", "SZOOM", "mojikakikomi"}
        << QStringList{};
}

void RecipeReplayTest::commandRows()
{
    QFETCH(QStringList, log);
    QFETCH(QStringList, expected);
    QCOMPARE(logCalls(log), expected);
}

void RecipeReplayTest::numberReading_data()
{
    // A 16-bit value of a log line: leading number, halves to even; a value
    // beyond the 16-bit range skips its group.
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("replayed");
    QTest::addColumn<int>("expected");

    QTest::newRow("leading blank") << " 2" << true << 2;
    QTest::newRow("2.5 to even") << "2.5" << true << 2;
    QTest::newRow("3.5 to even") << "3.5" << true << 4;
    QTest::newRow("-2.5 to even") << "-2.5" << true << -2;
    QTest::newRow("-3.5 to even") << "-3.5" << true << -4;
    QTest::newRow("just above half") << "0.5000001" << true << 1;
    QTest::newRow("trailing text") << " 7abc" << true << 7;
    QTest::newRow("plus sign") << "  +4" << true << 4;
    QTest::newRow("fraction only") << ".5" << true << 0;
    QTest::newRow("exponent") << "1e2" << true << 100;
    QTest::newRow("no number") << "abc" << true << 0;
    QTest::newRow("empty") << "" << true << 0;
    QTest::newRow("largest") << "32767" << true << 32767;
    QTest::newRow("largest after rounding") << "32767.4" << true << 32767;
    QTest::newRow("rounds past largest") << "32767.5" << false << 0;
    QTest::newRow("smallest after rounding") << "-32768.5" << true << -32768;
    QTest::newRow("below smallest") << "-32768.6" << false << 0;
    QTest::newRow("huge") << "99999999999999999999" << false << 0;
    QTest::newRow("overflowing exponent") << "1e999" << false << 0;
    QTest::newRow("minus overflowing exponent") << "-1e999" << false << 0;
}

void RecipeReplayTest::numberReading()
{
    QFETCH(QString, value);
    QFETCH(bool, replayed);
    QFETCH(int, expected);

    QCOMPARE(weftara::recipes::readInt16Value(value), replayed ? std::optional<qint16>(expected) : std::nullopt);
    const QStringList calls = logCalls({"TbsSelect=1", "FlgState(t)=" + value, "Text3.Text= 5", "Noutan1"});
    QCOMPARE(calls.isEmpty(), !replayed);
}

void RecipeReplayTest::indicesOutOfRangeAreSkipped_data()
{
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("picture 3") << QStringList{"SelectedItem=3", "単色 3"} << QStringList{};
    QTest::newRow("picture -1") << QStringList{"SelectedItem=-1", "強調"} << QStringList{};
    QTest::newRow("picture 2.4 rounds to 2")
        << QStringList{"SelectedItem=2.4", "単色"} << QStringList{"selectTab(5)", "runEffect(0)"};
    QTest::newRow("picture -0.5 rounds to 0")
        << QStringList{"SelectedItem=-0.5", "単色"} << QStringList{"selectTab(3)", "runEffect(0)"};
    QTest::newRow("picture 2.5 rounds to 2")
        << QStringList{"SelectedItem=2.5", "上下"} << QStringList{"selectTab(5)", "runEffect(2)"};
    QTest::newRow("picture 3.5 rounds to 4")
        << QStringList{"SelectedItem=3.5", "上下"} << QStringList{};
    QTest::newRow("picture 40000") << QStringList{"SelectedItem=40000", "上下"} << QStringList{};
    QTest::newRow("tone picture 3")
        << QStringList{"TbsSelect=3", "FlgState(t)= 3", "Text3.Text= 1", "Noutan"} << QStringList{};
    QTest::newRow("tone picture -1")
        << QStringList{"TbsSelect=-1", "FlgState(t)= 3", "Text3.Text= 1", "Noutan"} << QStringList{};
    QTest::newRow("tone state beyond 16 bits")
        << QStringList{"TbsSelect=0", "FlgState(t)= 70000", "Text3.Text= 1", "Noutan"} << QStringList{};
    QTest::newRow("channel 5")
        << QStringList{"Text6= 1", "Command8=5", "色変更"}
        << QStringList{"setColorStepBox( 1)", "runChannelStep(5)"};
    QTest::newRow("channel 6") << QStringList{"Text6= 1", "Command8=6", "色変更"} << QStringList{};
    QTest::newRow("channel 5.5 rounds to 6")
        << QStringList{"Text6= 1", "Command8=5.5", "色変更"} << QStringList{};
    QTest::newRow("channel -1") << QStringList{"Text6= 1", "Command8=-1", "色変更"} << QStringList{};
    QTest::newRow("threshold beyond 16 bits")
        << QStringList{"ChechValue1= 99999", "Text2= 40", "Orikomi"} << QStringList{};
}

void RecipeReplayTest::indicesOutOfRangeAreSkipped()
{
    QFETCH(QStringList, log);
    QFETCH(QStringList, expected);
    QStringList bad;
    const QStringList calls = replayCalls(wrapInBlock(log), &bad);
    QCOMPARE(calls.mid(2), expected);
    QCOMPARE(bad, QStringList{});
}

void RecipeReplayTest::onOffValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("on");

    QTest::newRow("True") << "True" << true;
    QTest::newRow("False") << "False" << false;
    QTest::newRow("-1") << "-1" << true;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow(" 0") << " 0" << false;
    QTest::newRow("0.25") << "0.25" << true;
    QTest::newRow("2abc") << "2abc" << true;
    QTest::newRow("lower-case true") << "true" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("garbage") << "yes" << false;
}

void RecipeReplayTest::onOffValues()
{
    QFETCH(QString, value);
    QFETCH(bool, on);
    const QStringList calls = logCalls(textGroupLines(value));
    QCOMPARE(calls.size(), 12);
    QCOMPARE(calls[8], QStringLiteral("setTextBoxBold(%1)").arg(on ? 1 : 0));
}

void RecipeReplayTest::brokenRecipesReplayWhatTheyCan_data()
{
    QTest::addColumn<QStringList>("block");
    QTest::addColumn<QStringList>("expected"); // calls after the two start calls

    const QStringList effect{"selectTab(5)", "runEffect(4)"};

    QTest::newRow("command on the first line, no header")
        << QStringList{"色変更", "SelectedItem=2", "強調 2"} << effect;
    QTest::newRow("Orikomi first") << QStringList{"Orikomi"} << QStringList{};
    QTest::newRow("Orikomi second, ratio line present") << QStringList{"Text2= 5", "Orikomi"} << replayedWeave(" 5");
    QTest::newRow("zoom without its percent line")
        << QStringList{"FlgState(0)= 2", "sZoom", "SelectedItem=2", "強調"} << effect;
    QTest::newRow("Noutan two lines from the start")
        << QStringList{"FlgState(t)= 3", "Text3.Text= 1", "Noutan", "SelectedItem=2", "強調"}
        << effect;
    QTest::newRow("effect first") << QStringList{"単色 2", "SelectedItem=2", "強調"} << effect;
    QTest::newRow("parameter shorter than its key")
        << QStringList{"詞初めx", "詞の説明=", "Text6", "Command8= 1", "色変更", "SelectedItem=2",
                       "強調"}
        << effect;
    QTest::newRow("selected item line shorter than its key")
        << QStringList{"詞初めx", "詞の説明=", "Select", "単色", "SelectedItem=2", "強調"} << effect;
    QTest::newRow("truncated text group")
        << QStringList{"詞初めx", "詞の説明=", "Text7text=a", "CurrentX= 1", "CurrentY= 2",
                       "MojiKakikomi", "SelectedItem=2", "強調"}
        << effect;
    QTest::newRow("text group with a short line")
        << QStringList{"詞初めx", "Text7text=a", "CurrentX= 1", "CurrentY= 2", "Font=F",
                       "ForeColor= 1", "FontName=F", "FontSize= 9", "FontBold=True",
                       "FontItalic", "FontUnderline=False", "MojiKakikomi", "SelectedItem=2", "強調"}
        << effect;
    QTest::newRow("text colour beyond 32 bits")
        << QStringList{"詞初めx", "Text7text=a", "CurrentX= 1", "CurrentY= 2", "Font=F",
                       "ForeColor= 4294967296", "FontName=F", "FontSize= 9", "FontBold=True",
                       "FontItalic=True", "FontUnderline=False", "MojiKakikomi", "SelectedItem=2", "強調"}
        << effect;
    QTest::newRow("text position beyond single")
        << QStringList{"詞初めx", "Text7text=a", "CurrentX= 1e39", "CurrentY= 2", "Font=F",
                       "ForeColor= 1", "FontName=F", "FontSize= 9", "FontBold=True",
                       "FontItalic=True", "FontUnderline=False", "MojiKakikomi", "SelectedItem=2", "強調"}
        << effect;
    QTest::newRow("garbage lines")
        << QStringList{"詞初めx", "詞の説明=", "", "   ", "xyz", "=", "&&&", "詞初めy", "詞終わり",
                       "SelectedItem=2", "強調", "\x01\x02"}
        << effect;
    QTest::newRow("parameters from the header and description lines")
        << QStringList{"詞初めabcdefg", "詞の説明=12345678", "sZoom"}
        << QStringList{"selectTab(3)", "setZoomBox(defg)", "applyZoom()"};
}

void RecipeReplayTest::brokenRecipesReplayWhatTheyCan()
{
    QFETCH(QStringList, block);
    QFETCH(QStringList, expected);
    QStringList bad;
    const QStringList calls = replayCalls(block, &bad);
    QCOMPARE(calls.mid(0, 1), QStringList{"clearLog()"});
    QCOMPARE(calls.mid(2), expected);
    QCOMPARE(bad, QStringList{});
}

void RecipeReplayTest::wholeRecipeInOrder()
{
    const QStringList block{
        "詞初め夕焼け", "詞の説明=夕焼けの海に波", "Motoe=C:\\Weftara\\Motoe\\sea.bmp",
        "Garae=C:\\Weftara\\Garae\\wave.bmp", "Text2= 30", "Orikomi", "TbsSelect=2",
        "FlgState(t)= 3", "Text3.Text= 20", "Noutan 2", "Text4= 120", "FlgState(0)= 2", "oZoom",
        "Text6= 10", "Command8= 2", "色変更", "文字消去", "文字織込", "詞終わり"};
    QStringList expected{"clearLog()",
                         "setDescriptionBox(夕焼けの海に波)",
                         "loadBase(C:\\Weftara\\Motoe\\sea.bmp)",
                         "hidePicture(1)",
                         "hidePicture(2)",
                         "setBaseLoaded(1)",
                         "setWovenUpToDate(0)",
                         "loadPattern(C:\\Weftara\\Garae\\wave.bmp)",
                         "setPatternLoaded(1)",
                         "setWovenUpToDate(0)",
                         "selectTab(4)"};
    expected += replayedWeave(" 30");
    expected += QStringList{"selectTab(5)",         "setToneBox( 20)",   "applyTone()", "selectTab(5)",
                            "setZoomBox( 120)",     "applyZoom()",       "setColorStepBox( 10)",
                            "runChannelStep(2)",    "eraseText()",       "fixText()"};
    QCOMPARE(replayCalls(block), expected);
}

void RecipeReplayTest::textGroupIsFormatted()
{
    weftara::recipes::TextWritten written;
    written.text = QStringLiteral("一行目\r\n二行目");
    written.left = 12.5f;
    written.top = -3.0f;
    written.font = QStringLiteral("Noto Sans CJK JP");
    written.color = 255;
    written.fontName = QStringLiteral("Noto Sans CJK JP");
    written.fontSize = 9.75f;
    written.bold = true;
    written.italic = false;
    written.underline = true;

    const QStringList expected{"Text7text=一行目&&&二行目", "CurrentX= 12.5", "CurrentY=-3",
                               "Font=Noto Sans CJK JP",    "ForeColor= 255", "FontName=Noto Sans CJK JP",
                               "FontSize= 9.75",           "FontBold=True",  "FontItalic=False",
                               "FontUnderline=True",       "MojiKakikomi"};
    QCOMPARE(weftara::recipes::formatTextWrittenGroup(written), expected);
    QCOMPARE(expected.size(), weftara::recipes::TextWrittenGroupSize);
}

void RecipeReplayTest::lineBreakMarkers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("replayed");

    QTest::newRow("CR LF") << "a\r\nb" << "a&&&b" << "a\r\nb";
    QTest::newRow("lone LF") << "a\nb" << "a&&&b" << "a\r\nb";
    QTest::newRow("lone CR") << "a\rb" << "a&&&b" << "a\r\nb";
    QTest::newRow("LF CR is two breaks") << "a\n\rb" << "a&&&&&&b" << "a\r\n\r\nb";
    QTest::newRow("text holding &&& itself") << "x&&&y" << "x&&&y" << "x\r\ny";
    QTest::newRow("four ampersands") << "&&&&" << "&&&&" << "\r\n&";
    QTest::newRow("trailing break") << "end\r\n" << "end&&&" << "end\r\n";
    QTest::newRow("no break") << "文字" << "文字" << "文字";
    QTest::newRow("empty") << "" << "" << "";
}

void RecipeReplayTest::lineBreakMarkers()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QFETCH(QString, replayed);
    QCOMPARE(weftara::recipes::lineBreaksToMarker(text), stored);
    QCOMPARE(weftara::recipes::markerToLineBreaks(stored), replayed);
}

void RecipeReplayTest::textGroupRoundTrips()
{
    // Whatever the text panel records comes back unchanged through replay,
    // line breaks as CR LF.
    weftara::recipes::TextWritten written;
    written.text = QStringLiteral("上\n中\r\n下");
    written.left = 0.1f;
    written.top = 123456.7f;
    written.font = QStringLiteral("IPAGothic");
    written.color = -16777216;
    written.fontName = QStringLiteral("IPAMincho");
    written.fontSize = 10.5f;
    written.bold = false;
    written.italic = true;
    written.underline = false;

    const QStringList calls = logCalls(weftara::recipes::formatTextWrittenGroup(written));
    const QStringList expected{"toggleTextMode()",
                               "setTextBoxText(上\r\n中\r\n下)",
                               QStringLiteral("setTextBoxLeft(%1)").arg(double(0.1f), 0, 'g', 9),
                               QStringLiteral("setTextBoxTop(%1)").arg(double(123456.7f), 0, 'g', 9),
                               "setTextBoxFont(IPAGothic)",
                               "setTextBoxColor(-16777216)",
                               "setTextBoxFontName(IPAMincho)",
                               "setTextBoxFontSize(10.5)",
                               "setTextBoxBold(0)",
                               "setTextBoxItalic(1)",
                               "setTextBoxUnderline(0)",
                               "drawText()"};
    QCOMPARE(calls, expected);
}
