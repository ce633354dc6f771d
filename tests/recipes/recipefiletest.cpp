#include "recipes/recipefiletest.h"

#include "recipes/recipedelete.h"
#include "recipes/recipelists.h"
#include "recipes/recipesave.h"
#include "recipes/recipeselection.h"
#include "recipes/recordingactions.h"
#include "recipes/replay.h"
#include "recipes/textgroup.h"
#include "support/filebytes.h"

#include <QFile>
#include <QTest>

using namespace weftara::recipes;
using weftara::testing::readBytes;
using weftara::testing::writeBytes;

namespace {

// Shift-JIS (CP932) bytes of the words the tests use, written out by hand so
// that the expectations do not come from the converter under test.
QByteArray sjisHeader() { return QByteArray::fromHex("8e8c8f8982df"); }      // 詞初め
QByteArray sjisDescription() { return QByteArray::fromHex("8e8c82cc90e096be3d"); } // 詞の説明=
QByteArray sjisEnd() { return QByteArray::fromHex("8e8c8f4982ed82e8"); }     // 詞終わり
QByteArray sjisSakura() { return QByteArray::fromHex("8df7"); }              // 桜
QByteArray sjisHarunoE() { return QByteArray::fromHex("8f7482cc8a47"); }     // 春の絵
QByteArray sjisTanshoku() { return QByteArray::fromHex("92509046"); }        // 単色
QByteArray sjisHana() { return QByteArray::fromHex("89d4"); }                // 花
QByteArray sjisNatsunoUmi() { return QByteArray::fromHex("89c482cc8a43"); }  // 夏の海
QByteArray sjisIroHenkou() { return QByteArray::fromHex("904695cf8d58"); }   // 色変更

QByteArray crlf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

// A recipe file of two blocks as the program writes them, UTF-8.
QByteArray twoRecipes()
{
    return crlf({"詞初め朝", "詞の説明=朝の庭", "Motoe=/p/a.bmp", "SelectedItem=2", "単色 2", "詞終わり", "",
                 "詞初め夜", "詞の説明=夜の街", "Motoe=/p/b.bmp", "Text6= 5", "Command8= 1", "色変更",
                 "詞終わり", ""});
}

} // namespace

void RecipeFileTest::init()
{
    QVERIFY(m_dir.isValid());
    QFile::remove(recipePath());
}

QString RecipeFileTest::recipePath() const
{
    return m_dir.filePath(QStringLiteral("kotoba.txt"));
}

void RecipeFileTest::missingOrUnreadableFile()
{
    QVERIFY(!loadRecipeLists(recipePath()).has_value());
    QVERIFY(!loadRecipeLists(m_dir.path()).has_value()); // a folder

    QVERIFY(writeBytes(recipePath(), {}));
    const auto empty = loadRecipeLists(recipePath());
    QVERIFY(empty.has_value());
    QVERIFY(empty->lines.isEmpty());
    QVERIFY(empty->names.isEmpty());
}

void RecipeFileTest::loadLists_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("list2");
    QTest::addColumn<QStringList>("list3");

    const QStringList lines{"詞初め朝", "詞の説明=朝の庭", "Motoe=/p/a.bmp", "詞終わり", "",
                            "詞初め 夜 ", "詞終わり", ""};
    const QStringList names{"朝", " 夜 "};
    QTest::newRow("UTF-8, CR LF") << crlf(lines) << lines << names;
    QByteArray lf = crlf(lines);
    lf.replace("\r\n", "\n");
    QTest::newRow("UTF-8, LF") << lf << lines << names;
    QTest::newRow("no line end at the end")
        << QByteArray("詞初めa\r\n詞終わり") << QStringList{"詞初めa", "詞終わり"} << QStringList{"a"};

    const QByteArray sjis = sjisHeader() + sjisSakura() + "\r\n" + sjisDescription() + sjisHarunoE()
                            + "\r\n" + sjisTanshoku() + " 2\r\n" + sjisEnd() + "\r\n\r\n";
    const QStringList sjisLines{"詞初め桜", "詞の説明=春の絵", "単色 2", "詞終わり", ""};
    QTest::newRow("Shift-JIS, CR LF") << sjis << sjisLines << QStringList{"桜"};
    QByteArray sjisLf = sjis;
    sjisLf.replace("\r\n", "\n");
    QTest::newRow("Shift-JIS, LF") << sjisLf << sjisLines << QStringList{"桜"};

    QTest::newRow("header needs all three characters")
        << QByteArray("詞初\r\n詞初めx\r\nab\r\n詞初め\r\n")
        << QStringList{"詞初", "詞初めx", "ab", "詞初め"} << QStringList{"x", ""};
    QTest::newRow("UTF-8 file with one Shift-JIS line")
        << QByteArray(crlf({"詞初め朝", "詞の説明=朝の庭"}) + sjisHeader() + sjisSakura() + "\r\n"
                      + crlf({"詞終わり", "詞初め夜"}))
        << QStringList{"詞初め朝", "詞の説明=朝の庭", "詞初め桜", "詞終わり", "詞初め夜"}
        << QStringList{"朝", "桜", "夜"};
    QTest::newRow("lines between blocks are kept in the lines")
        << QByteArray("memo\r\n\r\n詞初めx\r\n") << QStringList{"memo", "", "詞初めx"}
        << QStringList{"x"};
}

void RecipeFileTest::loadLists()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, list2);
    QFETCH(QStringList, list3);
    QVERIFY(writeBytes(recipePath(), bytes));
    const auto lists = loadRecipeLists(recipePath());
    QVERIFY(lists.has_value());
    QCOMPARE(lists->lines, list2);
    QCOMPARE(lists->names, list3);
}

void RecipeFileTest::saveEmptyLog()
{
    const SaveResult result = saveRecipe(recipePath(), {}, u"空", u"説明", {});
    QCOMPARE(result.status, SaveStatus::Saved);
    QCOMPARE(readBytes(recipePath()), QByteArray("詞初め空\r\n詞の説明=説明\r\n詞終わり\r\n\r\n"));

    const auto lists = loadRecipeLists(recipePath());
    QVERIFY(lists.has_value());
    QCOMPARE(lists->names, QStringList{"空"});
    QCOMPARE(lists->lines, (QStringList{"詞初め空", "詞の説明=説明", "詞終わり", ""}));
}

void RecipeFileTest::saveKeepsExistingBytes_data()
{
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<QByteArray>("appended");

    const QStringList log{"Motoe=/p/a.bmp", "SelectedItem=2", "単色 2"};
    // Every case saves name "桜", description "春の絵" and the log above.
    const QByteArray utf8Block = crlf({"詞初め桜", "詞の説明=春の絵", "Motoe=/p/a.bmp", "SelectedItem=2",
                                       "単色 2", "詞終わり", ""});
    const QByteArray sjisBlock = sjisHeader() + sjisSakura() + "\r\n" + sjisDescription()
                                 + sjisHarunoE() + "\r\nMotoe=/p/a.bmp\r\nSelectedItem=2\r\n"
                                 + sjisTanshoku() + " 2\r\n" + sjisEnd() + "\r\n\r\n";

    QTest::newRow("new file is UTF-8") << QByteArray() << utf8Block;
    QTest::newRow("UTF-8 file") << twoRecipes() << utf8Block;
    QTest::newRow("UTF-8 file with LF line ends") << QByteArray("詞初め朝\n詞終わり\n\n") << utf8Block;
    QTest::newRow("Shift-JIS file stays Shift-JIS")
        << QByteArray(sjisHeader() + sjisHana() + "\r\n" + sjisEnd() + "\r\n\r\n") << sjisBlock;
    QTest::newRow("Shift-JIS file without final line end")
        << QByteArray(sjisHeader() + sjisHana() + "\r\n" + sjisEnd()) << "\r\n" + sjisBlock;
}

void RecipeFileTest::saveKeepsExistingBytes()
{
    QFETCH(QByteArray, existing);
    QFETCH(QByteArray, appended);
    if (!existing.isEmpty())
        QVERIFY(writeBytes(recipePath(), existing));
    const SaveResult result = saveRecipe(recipePath(), {}, u"桜", u"春の絵",
                                         {"Motoe=/p/a.bmp", "SelectedItem=2", "単色 2"});
    QCOMPARE(result.status, SaveStatus::Saved);
    QCOMPARE(readBytes(recipePath()), existing + appended);
}

void RecipeFileTest::saveRefusesDuplicateNames_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("duplicate");

    const QStringList names{"Flower", "夜の街", " Sea "};
    QTest::newRow("same") << names << "Flower" << true;
    QTest::newRow("lower case with spaces") << names << "  flower " << true;
    QTest::newRow("upper case") << names << "FLOWER" << true;
    QTest::newRow("stored name with spaces") << names << "sea" << true;
    QTest::newRow("Japanese with spaces") << names << " 夜の街  " << true;
    QTest::newRow("different") << names << "Flowers" << false;
    QTest::newRow("inner space differs") << names << "Flo wer" << false;
    QTest::newRow("no names yet") << QStringList{} << "Flower" << false;
}

void RecipeFileTest::saveRefusesDuplicateNames()
{
    QFETCH(QStringList, names);
    QFETCH(QString, name);
    QFETCH(bool, duplicate);

    QCOMPARE(isDuplicateName(names, name), duplicate);
    const SaveResult result = saveRecipe(recipePath(), names, name, u"d\r\ne", {"Motoe=x"});
    if (duplicate) {
        QCOMPARE(result.status, SaveStatus::DuplicateName);
        QCOMPARE(saveMessage(result.status), QStringLiteral("同じ名前があります、名前を変えてください。"));
        QVERIFY(!QFile::exists(recipePath()));
    } else {
        QCOMPARE(result.status, SaveStatus::Saved);
        QVERIFY(saveMessage(result.status).isEmpty());
        QVERIFY(QFile::exists(recipePath()));
    }
}

void RecipeFileTest::saveRefusesEmptyNames_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("status");

    QTest::newRow("empty") << QStringList{"a"} << "" << int(SaveStatus::EmptyName);
    QTest::newRow("spaces") << QStringList{"a"} << "   " << int(SaveStatus::EmptyName);
    QTest::newRow("line breaks only") << QStringList{"a"} << "\r\n" << int(SaveStatus::EmptyName);
    // The duplicate test comes first: an empty stored name makes an empty
    // new name a duplicate.
    QTest::newRow("empty and duplicate") << QStringList{"a", ""} << " " << int(SaveStatus::DuplicateName);
}

void RecipeFileTest::saveRefusesEmptyNames()
{
    QFETCH(QStringList, names);
    QFETCH(QString, name);
    QFETCH(int, status);

    const SaveResult result = saveRecipe(recipePath(), names, name, u"", {});
    QCOMPARE(int(result.status), status);
    if (result.status == SaveStatus::EmptyName)
        QCOMPARE(saveMessage(result.status), QStringLiteral("織り詞の名前を入れてください。"));
    QVERIFY(!QFile::exists(recipePath()));
}

void RecipeFileTest::saveJoinsDescription()
{
    const SaveResult result =
        saveRecipe(recipePath(), {}, u" My Recipe ", u"一行目\r\n二行目\n三行目\r四\r\n", {});
    QCOMPARE(result.status, SaveStatus::Saved);
    QCOMPARE(result.description, QStringLiteral("一行目二行目三行目四"));
    QCOMPARE(readBytes(recipePath()),
             QByteArray("詞初め My Recipe \r\n詞の説明=一行目二行目三行目四\r\n詞終わり\r\n\r\n"));
}

void RecipeFileTest::saveKeepsEveryEntryOnOneLine()
{
    // A line break inside the name or a log line would split it into two
    // file lines, and the second half could replay as a command.
    const SaveResult result =
        saveRecipe(recipePath(), {}, u"a\nb", u"", {"Motoe=/p/x\n色.bmp", "Text2= 30\r\n", "Orikomi"});
    QCOMPARE(result.status, SaveStatus::Saved);
    QCOMPARE(readBytes(recipePath()),
             QByteArray("詞初めab\r\n詞の説明=\r\nMotoe=/p/x色.bmp\r\nText2= 30\r\nOrikomi\r\n詞終わり\r\n\r\n"));
}

void RecipeFileTest::saveReportsWriteFailure()
{
    const QString path = m_dir.filePath(QStringLiteral("missing/kotoba.txt"));
    const SaveResult result = saveRecipe(path, {}, u"a", u"d", {});
    QCOMPARE(result.status, SaveStatus::WriteFailed);
    QVERIFY(!result.error.isEmpty());
    QVERIFY(saveMessage(result.status).isEmpty());
    QVERIFY(!QFile::exists(path));
}

void RecipeFileTest::markBlock_data()
{
    QTest::addColumn<QStringList>("list2");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<qsizetype>>("marked");

    const QStringList two{"詞初め朝", "詞の説明=", "単色 2", "詞終わり", "", "詞初め夜", "詞の説明=",
                          "Orikomi", "詞終わり", ""};
    QTest::newRow("first of two") << two << "朝" << QList<qsizetype>{0, 1, 2, 3};
    QTest::newRow("second of two") << two << "夜" << QList<qsizetype>{5, 6, 7, 8};
    QTest::newRow("name must match exactly") << two << " 夜" << QList<qsizetype>{};
    QTest::newRow("letter case counts")
        << QStringList{"詞初めabc", "詞終わり"} << "ABC" << QList<qsizetype>{};
    QTest::newRow("no such name") << two << "昼" << QList<qsizetype>{};

    QTest::newRow("blank lines inside are left unmarked")
        << QStringList{"詞初めa", "", "  ", "x", "詞終わり", "y"} << "a" << QList<qsizetype>{0, 3, 4};
    QTest::newRow("no end line marks to the end of the file")
        << QStringList{"詞初めa", "x", "", "y"} << "a" << QList<qsizetype>{0, 1, 3};
    QTest::newRow("no end line stops before the next recipe")
        << QStringList{"詞初めa", "x", "", "詞初めb", "y", "詞終わり"} << "a"
        << QList<qsizetype>{0, 1};
    QTest::newRow("end line matched by its first four characters")
        << QStringList{"詞初めa", "詞終わりです", "x"} << "a" << QList<qsizetype>{0, 1};
    QTest::newRow("first of two equal headers")
        << QStringList{"詞初めa", "詞終わり", "詞初めa", "詞終わり"} << "a" << QList<qsizetype>{0, 1};
    QTest::newRow("empty name") << QStringList{"詞初", "詞初め", "x", "詞終わり"} << ""
                                << QList<qsizetype>{1, 2, 3};
    // "単色 2" ends in "2" after its first three characters; only a header
    // line may start the block of the recipe named "2".
    QTest::newRow("log line ending in the name")
        << QStringList{"詞初め朝", "SelectedItem=2", "単色 2", "詞終わり", "", "詞初め2", "Orikomi",
                       "詞終わり"}
        << "2" << QList<qsizetype>{5, 6, 7};
    QTest::newRow("header with blanks before it is not a header")
        << QStringList{" 詞初めa", "詞終わり"} << "a" << QList<qsizetype>{};
}

void RecipeFileTest::markBlock()
{
    QFETCH(QStringList, list2);
    QFETCH(QString, name);
    QFETCH(QList<qsizetype>, marked);

    const RecipeBlock block = markRecipeBlock(list2, name);
    QCOMPARE(block.marked, marked);
    QStringList lines;
    for (qsizetype i : marked)
        lines.append(list2[i]);
    QCOMPARE(block.lines, lines);
}

void RecipeFileTest::deleteCutsOutOnlyTheBlock_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("remaining");

    const QByteArray morning = crlf({"詞初め朝", "詞の説明=朝の庭", "Motoe=/p/a.bmp", "SelectedItem=2", "単色 2",
                                     "詞終わり", ""});
    const QByteArray night = crlf({"詞初め夜", "詞の説明=夜の街", "Motoe=/p/b.bmp", "Text6= 5", "Command8= 1",
                                   "色変更", "詞終わり", ""});
    QTest::newRow("first of two") << QByteArray(morning + night) << "朝" << night;
    QTest::newRow("last of two") << QByteArray(morning + night) << "夜" << morning;
    // The Shift-JIS description of a block pasted into a UTF-8 file keeps
    // its bytes, and so does every other line.
    const QByteArray pasted = sjisHeader() + sjisHana() + "\r\n" + sjisDescription() + sjisNatsunoUmi() + "\r\n"
                              + sjisIroHenkou() + "\r\n" + sjisEnd() + "\r\n\r\n";
    QTest::newRow("mixed encodings") << QByteArray(morning + pasted + night) << "朝" << QByteArray(pasted + night);
    QTest::newRow("Shift-JIS, the other encoding's block deleted")
        << QByteArray(morning + pasted + night) << "花" << QByteArray(morning + night);
    QTest::newRow("damaged block keeps the next")
        << QByteArray(crlf({"詞初め壊", "詞の説明=", "Orikomi", ""}) + night) << "壊" << night;
    QTest::newRow("LF line ends, memo lines and missing empty lines kept")
        << QByteArray("memo\n詞初めa\n詞終わり\n詞初めb\n詞終わり") << "a" << QByteArray("memo\n詞初めb\n詞終わり");
    QTest::newRow("blank lines inside the block go with it")
        << QByteArray("詞初めa\r\n\r\n  \r\n詞終わり\r\n\r\n\r\nx\r\n") << "a" << QByteArray("\r\nx\r\n");
    QTest::newRow("the only recipe") << night << "夜" << QByteArray();
}

void RecipeFileTest::deleteCutsOutOnlyTheBlock()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QByteArray, remaining);
    QVERIFY(writeBytes(recipePath(), bytes));
    auto lists = loadRecipeLists(recipePath());
    QVERIFY(lists.has_value());
    QVERIFY(lists->names.contains(name));

    const RecipeBlock block = markRecipeBlock(lists->lines, name);
    QCOMPARE(deleteRecipe(recipePath(), name, block.lines, *lists), DeleteStatus::Deleted);
    QCOMPARE(readBytes(recipePath()), remaining);
    QCOMPARE(lists->names, loadRecipeLists(recipePath())->names);
}

void RecipeFileTest::seesTheFileAsItIsNow()
{
    // Another window saves a recipe after this panel read the file.
    QVERIFY(writeBytes(recipePath(), twoRecipes()));
    auto lists = loadRecipeLists(recipePath());
    QVERIFY(lists.has_value());
    QCOMPARE(saveRecipe(recipePath(), {}, u"昼", u"", {"Orikomi"}).status, SaveStatus::Saved);
    QCOMPARE(saveRecipe(recipePath(), lists->names, u"昼", u"", {}).status, SaveStatus::DuplicateName);

    const QStringList morning = markRecipeBlock(lists->lines, QStringLiteral("朝")).lines;
    QCOMPARE(deleteRecipe(recipePath(), QStringLiteral("朝"), morning, *lists), DeleteStatus::Deleted);
    QCOMPARE(lists->names, (QStringList{"夜", "昼"}));

    // A recipe changed or gone since it was shown is not deleted.
    QByteArray edited = readBytes(recipePath());
    edited.replace("夜の街", "夜の港");
    QVERIFY(writeBytes(recipePath(), edited));
    const QStringList night = markRecipeBlock(lists->lines, QStringLiteral("夜")).lines;
    QCOMPARE(deleteRecipe(recipePath(), QStringLiteral("夜"), night, *lists), DeleteStatus::BlockChanged);
    QCOMPARE(readBytes(recipePath()), edited);
    QCOMPARE(deleteRecipe(recipePath(), QStringLiteral("朝"), morning, *lists), DeleteStatus::BlockChanged);
    QCOMPARE(readBytes(recipePath()), edited);
    QCOMPARE(lists->names, (QStringList{"夜", "昼"}));
}

void RecipeFileTest::deleteFailureKeepsLists()
{
    QVERIFY(writeBytes(recipePath(), twoRecipes()));
    auto lists = loadRecipeLists(recipePath());
    QVERIFY(lists.has_value());
    const RecipeLists before = *lists;
    const QStringList block = markRecipeBlock(lists->lines, QStringLiteral("朝")).lines;

    // A path that cannot be read is not overwritten.
    QString error;
    QCOMPARE(deleteRecipe(m_dir.path(), QStringLiteral("朝"), block, *lists, &error), DeleteStatus::WriteFailed);
    QVERIFY(!error.isEmpty());
    QCOMPARE(lists->lines, before.lines);
    QCOMPARE(lists->names, before.names);
}

void RecipeFileTest::windowsRecipeReplays()
{
    const QByteArray bytes = sjisHeader() + sjisHana() + "\r\n" + sjisDescription() + sjisNatsunoUmi()
                             + "\r\nMotoe=C:\\Program Files\\Weftara\\motoe\\flower.bmp\r\n"
                               "Garae=C:\\Program Files\\Weftara\\garae\\wave.bmp\r\n"
                               "Text2= 30\r\nOrikomi\r\nSelectedItem=2\r\n"
                             + sjisTanshoku() + " 2\r\nText6= 20\r\nCommand8= 1\r\n" + sjisIroHenkou()
                             + "\r\n" + sjisEnd() + "\r\n\r\n";
    QVERIFY(writeBytes(recipePath(), bytes));
    const auto lists = loadRecipeLists(recipePath());
    QVERIFY(lists.has_value());
    QCOMPARE(lists->names, QStringList{"花"});

    const RecipeBlock block = markRecipeBlock(lists->lines, lists->names[0]);
    QCOMPARE(block.lines.size(), 12);
    testing::RecordingActions actions;
    replayRecipe(block.lines, actions);
    const QStringList expected{
        "clearLog()", "setDescriptionBox(夏の海)",
        "loadBase(C:\\Program Files\\Weftara\\motoe\\flower.bmp)", "hidePicture(1)",
        "hidePicture(2)", "setBaseLoaded(1)", "setWovenUpToDate(0)",
        "loadPattern(C:\\Program Files\\Weftara\\garae\\wave.bmp)", "setPatternLoaded(1)",
        "setWovenUpToDate(0)", "selectTab(4)", "setWeaveOptionChecked(0,0)", "setWeaveOptionChecked(1,0)",
        "setWeaveRatioBox( 30)", "weave()", "selectTab(5)", "setZoomSlider(100)", "setToneSlider(0)",
        "resetWeaveOptions()", "selectTab(5)", "runEffect(0)", "setColorStepBox( 20)", "runChannelStep(1)"};
    QCOMPARE(actions.calls, expected);
}

void RecipeFileTest::writtenTextRoundTripsThroughFile()
{
    TextWritten broken;
    broken.text = QStringLiteral("一行目\r\n二行目");
    broken.fontName = broken.font = QStringLiteral("F");
    TextWritten ampersands = broken;
    ampersands.text = QStringLiteral("A&&&B");

    QStringList log{"Motoe=/p/a.bmp"};
    log += formatTextWrittenGroup(broken);
    log += formatTextWrittenGroup(ampersands);
    QCOMPARE(saveRecipe(recipePath(), {}, u"文字", u"", log).status, SaveStatus::Saved);
    QVERIFY(readBytes(recipePath()).contains("Text7text=一行目&&&二行目\r\n"));

    const auto lists = loadRecipeLists(recipePath());
    QVERIFY(lists.has_value());
    testing::RecordingActions actions;
    replayRecipe(markRecipeBlock(lists->lines, QStringLiteral("文字")).lines, actions);
    QCOMPARE(actions.calls.filter(QStringLiteral("setTextBoxText(")),
             (QStringList{"setTextBoxText(一行目\r\n二行目)", "setTextBoxText(A\r\nB)"}));
    QCOMPARE(actions.calls.count(QStringLiteral("drawText()")), 2);
}
