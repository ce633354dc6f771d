#include "collections/settingstest.h"

#include "collections/module1.h"
#include "collections/testfiles.h"
#include "collections/windowgeometry.h"
#include "support/scripteddialogs.h"

#include <QDir>
#include <QStringEncoder>
#include <QTest>

using weftara::collections::Module1;
using weftara::collections::WindowGeometry;
using weftara::testing::ScriptedDialogs;
using weftara::testing::readBytes;
using weftara::testing::writeBytes;

namespace {

using Entries = QList<std::pair<QString, QString>>;

QByteArray toShiftJis(const QString &text)
{
    QStringEncoder encoder("windows-31j");
    return encoder.encode(text);
}

} // namespace

void SettingsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString SettingsTest::iniPath() const
{
    return m_dir->filePath(QStringLiteral("Weftara.ini"));
}

void SettingsTest::readsRecords_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("fallback");
    QTest::addColumn<QString>("expected");

    const QByteArray two = "TutorShow,1\r\nMainLeft,800\r\n";
    QTest::newRow("stored key") << two << "MainLeft" << "500" << "800";
    QTest::newRow("absent key") << two << "MainTop" << "50" << "50";
    QTest::newRow("first line") << two << "TutorShow" << "0" << "1";
    QTest::newRow("case differs") << QByteArray("mainleft,800\r\n") << "MainLeft" << "500" << "500";
    QTest::newRow("no file") << QByteArray() << "MainLeft" << "500" << "500";
    QTest::newRow("LF lines, no final end") << QByteArray("A,1\nB,2") << "B" << "x" << "2";
    QTest::newRow("blanks around fields") << QByteArray("  A ,  1  \r\n") << "A" << "x" << "1";
    QTest::newRow("quoted value") << QByteArray("A,\"x, y\"\r\n") << "A" << "x" << "x, y";
    QTest::newRow("doubled quote") << QByteArray("A,\"say \"\"hi\"\"\"\r\n") << "A" << "x"
                                   << "say \"hi\"";
    QTest::newRow("third field ignored") << QByteArray("P,C:\\a,b\r\nQ,2\r\n") << "P" << "x" << "C:\\a";
    QTest::newRow("line after extra field") << QByteArray("P,C:\\a,b\r\nQ,2\r\n") << "Q" << "x" << "2";
    QTest::newRow("no comma") << QByteArray("A\r\nB,2\r\n") << "A" << "x" << "";
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBFK,\xE5\x85\x83\r\n") << "K" << "x"
                                    << QString::fromUtf8("\xE5\x85\x83");
}

void SettingsTest::readsRecords()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, fallback);
    QFETCH(QString, expected);

    if (!file.isNull())
        QVERIFY(writeBytes(iniPath(), file));
    ScriptedDialogs dialogs;
    Module1 settings(iniPath(), dialogs);
    settings.ReadIniFile();
    QCOMPARE(settings.GetIniValue(key, fallback), expected);
    QVERIFY(dialogs.messages().isEmpty());
}

void SettingsTest::emptyRecordsUseUpSlots()
{
    // 29 keys, an empty record (slot 29), then X (slot 30) and Y (no slot).
    QByteArray file;
    for (int i = 0; i < 29; ++i)
        file += "K" + QByteArray::number(i) + "," + QByteArray::number(i) + "\r\n";
    file += ",lost\r\nX,x\r\nY,y\r\n";
    QVERIFY(writeBytes(iniPath(), file));

    ScriptedDialogs dialogs;
    Module1 settings(iniPath(), dialogs);
    settings.ReadIniFile();
    // The free slot 29 ends the table, so X is out of sight.
    QCOMPARE(settings.usedEntries().size(), 29);
    QCOMPARE(settings.GetIniValue(QStringLiteral("X"), QStringLiteral("d")), QStringLiteral("d"));

    // Filling slot 29 brings X (slot 30) back; Y never got a slot.
    settings.SetIniValue(QStringLiteral("New"), QStringLiteral("n"));
    const Entries entries = settings.usedEntries();
    QCOMPARE(entries.size(), 31);
    QCOMPARE(entries[29], std::make_pair(QStringLiteral("New"), QStringLiteral("n")));
    QCOMPARE(entries[30], std::make_pair(QStringLiteral("X"), QStringLiteral("x")));
    QCOMPARE(settings.GetIniValue(QStringLiteral("Y"), QStringLiteral("d")), QString());
}

void SettingsTest::fullTableStopsReadingAndAnswersEmpty()
{
    QByteArray file;
    for (int i = 0; i < 33; ++i)
        file += "K" + QByteArray::number(i) + ",v" + QByteArray::number(i) + "\r\n";
    QVERIFY(writeBytes(iniPath(), file));

    ScriptedDialogs dialogs;
    Module1 settings(iniPath(), dialogs);
    settings.ReadIniFile();
    QCOMPARE(settings.usedEntries().size(), 31);
    QCOMPARE(settings.GetIniValue(QStringLiteral("K30"), QStringLiteral("d")), QStringLiteral("v30"));
    // Every slot in use and none matches: empty text, not the default.
    QCOMPARE(settings.GetIniValue(QStringLiteral("K31"), QStringLiteral("d")), QString());
}

void SettingsTest::secondReadKeepsTheTable()
{
    QVERIFY(writeBytes(iniPath(), "A,1\r\nB,2\r\n"));
    ScriptedDialogs dialogs;
    Module1 settings(iniPath(), dialogs);
    settings.ReadIniFile();
    settings.SetIniValue(QStringLiteral("A"), QStringLiteral("9"));
    settings.SetIniValue(QStringLiteral("C"), QStringLiteral("3"));
    settings.ReadIniFile();
    // The file's slots are read over again; the later slot stays.
    const Entries expected = {{"A", "1"}, {"B", "2"}, {"C", "3"}};
    QCOMPARE(settings.usedEntries(), expected);
}

void SettingsTest::linesFollowTheOrderOfFirstStore()
{
    QVERIFY(writeBytes(iniPath(), "MainLeft,500\r\n"));
    ScriptedDialogs dialogs;
    Module1 settings(iniPath(), dialogs);
    settings.ReadIniFile();
    settings.SetIniValue(QStringLiteral("TutorShow"), QStringLiteral("1"));
    settings.SetIniValue(QStringLiteral("MotoEpath"), QStringLiteral("/pics"));
    settings.SetIniValue(QStringLiteral("TutorShow"), QStringLiteral("0"));
    settings.SetIniValue(QStringLiteral("MainLeft"), QStringLiteral("-120"));
    QVERIFY(settings.WriteIniFile());
    QCOMPARE(readBytes(iniPath()), QByteArray("MainLeft,-120\r\nTutorShow,0\r\nMotoEpath,/pics\r\n"));
}

void SettingsTest::emptyTableWritesEmptyFile()
{
    QVERIFY(writeBytes(iniPath(), "old,contents\r\n"));
    ScriptedDialogs dialogs;
    Module1 settings(iniPath(), dialogs);
    QVERIFY(settings.WriteIniFile());
    QVERIFY(QFileInfo::exists(iniPath()));
    QCOMPARE(readBytes(iniPath()), QByteArray());
}

void SettingsTest::valuesSurviveWriteAndRead_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("comma") << "/home/u/pictures, old";
    QTest::newRow("quotes") << "say \"hi\"";
    QTest::newRow("only a quote") << "\"";
    QTest::newRow("leading blank") << "  indented";
    QTest::newRow("trailing blank") << "trailing ";
    QTest::newRow("empty") << "";
    QTest::newRow("line break") << "two\nlines";
    QTest::newRow("Japanese with comma") << QString::fromUtf8("元絵,柄絵");
    QTest::newRow("backslashes") << "C:\\Weftara\\Motoe\\";
}

void SettingsTest::valuesSurviveWriteAndRead()
{
    QFETCH(QString, value);
    ScriptedDialogs dialogs;
    {
        Module1 writer(iniPath(), dialogs);
        writer.SetIniValue(QStringLiteral("MotoEpath"), value);
        writer.SetIniValue(QStringLiteral("After"), QStringLiteral("kept"));
        QVERIFY(writer.WriteIniFile());
    }
    Module1 reader(iniPath(), dialogs);
    reader.ReadIniFile();
    const Entries expected = {{"MotoEpath", value}, {"After", "kept"}};
    QCOMPARE(reader.usedEntries(), expected);
}

void SettingsTest::thirtySecondKeyIsIgnored()
{
    ScriptedDialogs dialogs;
    Module1 settings(iniPath(), dialogs);
    for (int i = 0; i < 31; ++i)
        settings.SetIniValue(QStringLiteral("K%1").arg(i), QString::number(i));
    settings.SetIniValue(QStringLiteral("K31"), QStringLiteral("31"));
    settings.SetIniValue(QStringLiteral("K5"), QStringLiteral("five"));
    const Entries entries = settings.usedEntries();
    QCOMPARE(entries.size(), 31);
    QCOMPARE(entries[5].second, QStringLiteral("five"));
    QCOMPARE(entries[30], std::make_pair(QStringLiteral("K30"), QStringLiteral("30")));
    QVERIFY(settings.WriteIniFile());
    QCOMPARE(readBytes(iniPath()).count("\r\n"), 31);
}

void SettingsTest::unwritableFileIsReportedOnce()
{
    // The settings file's folder is an ordinary file: nothing can be made there.
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QVERIFY(writeBytes(blocker, "not a folder"));
    ScriptedDialogs dialogs;
    Module1 settings(blocker + QStringLiteral("/Weftara.ini"), dialogs);
    settings.SetIniValue(QStringLiteral("MainLeft"), QStringLiteral("800"));

    QVERIFY(!settings.WriteIniFile());
    QVERIFY(!settings.WriteIniFile());
    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY(dialogs.messages().front().contains(QStringLiteral("Weftara.ini")));
    QCOMPARE(settings.GetIniValue(QStringLiteral("MainLeft"), QStringLiteral("500")), QStringLiteral("800"));

    // Once a write succeeds, a new failure is reported again.
    QVERIFY(QFile::remove(blocker));
    QVERIFY(QDir().mkdir(blocker));
    QVERIFY(settings.WriteIniFile());
    QVERIFY(QDir(blocker).removeRecursively());
    QVERIFY(writeBytes(blocker, "not a folder"));
    QVERIFY(!settings.WriteIniFile());
    QCOMPARE(dialogs.messages().size(), 2);
}

void SettingsTest::shiftJisFileStaysShiftJis()
{
    const QString folder = QString::fromUtf8("C:\\ユーザー\\元絵集");
    QVERIFY(writeBytes(iniPath(), toShiftJis(QStringLiteral("MotoEpath,") + folder + "\r\n")));
    ScriptedDialogs dialogs;
    Module1 settings(iniPath(), dialogs);
    settings.ReadIniFile();
    QCOMPARE(settings.GetIniValue(QStringLiteral("MotoEpath"), QString()), folder);
    settings.SetIniValue(QStringLiteral("GaraEpath"), QString::fromUtf8("D:\\柄絵"));
    QVERIFY(settings.WriteIniFile());
    const QByteArray expected = toShiftJis(QStringLiteral("MotoEpath,") + folder + "\r\nGaraEpath,"
                                           + QString::fromUtf8("D:\\柄絵") + "\r\n");
    QCOMPARE(readBytes(iniPath()), expected);
}

void SettingsTest::unmappableValueTurnsFileUtf8()
{
    QVERIFY(writeBytes(iniPath(), toShiftJis(QString::fromUtf8("MotoEpath,元絵\r\n"))));
    ScriptedDialogs dialogs;
    Module1 settings(iniPath(), dialogs);
    settings.ReadIniFile();
    const QString korean = QString::fromUtf8("/home/u/그림");
    settings.SetIniValue(QStringLiteral("GaraEpath"), korean);
    QVERIFY(settings.WriteIniFile());
    QCOMPARE(readBytes(iniPath()), QString::fromUtf8("MotoEpath,元絵\r\nGaraEpath,/home/u/그림\r\n").toUtf8());

    Module1 again(iniPath(), dialogs);
    again.ReadIniFile();
    QCOMPARE(again.GetIniValue(QStringLiteral("GaraEpath"), QString()), korean);
}

void SettingsTest::readsWindowGeometry_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<WindowGeometry>("expected");

    QTest::newRow("no file") << QByteArray() << WindowGeometry{500, 50, 13500, 10700};
    QTest::newRow("all four") << QByteArray("MainLeft,1\r\nMainTop,2\r\nMainWidth,3\r\nMainHeight,4\r\n")
                              << WindowGeometry{1, 2, 3, 4};
    QTest::newRow("left only") << QByteArray("TutorShow,1\r\nMainLeft,800\r\n")
                               << WindowGeometry{800, 50, 13500, 10700};
    QTest::newRow("negative, maximized window") << QByteArray("MainLeft,-120\r\nMainTop,-60\r\n")
                                                << WindowGeometry{-120, -60, 13500, 10700};
    QTest::newRow("not a number") << QByteArray("MainWidth,wide\r\nMainHeight,abc\r\n")
                                  << WindowGeometry{500, 50, 13500, 10700};
    QTest::newRow("empty value") << QByteArray("MainTop,\r\n") << WindowGeometry{500, 50, 13500, 10700};
    QTest::newRow("leading number") << QByteArray("MainLeft,1500twips\r\n")
                                    << WindowGeometry{1500, 50, 13500, 10700};
    QTest::newRow("halves to even") << QByteArray("MainWidth,9000.5\r\nMainHeight,9001.5\r\n")
                                    << WindowGeometry{500, 50, 9000, 9002};
    QTest::newRow("exponent") << QByteArray("MainLeft,1E3\r\n") << WindowGeometry{1000, 50, 13500, 10700};
    QTest::newRow("out of range") << QByteArray("MainLeft,99999999999\r\nMainTop,-1e300\r\n")
                                  << WindowGeometry{500, 50, 13500, 10700};
}

void SettingsTest::readsWindowGeometry()
{
    QFETCH(QByteArray, file);
    QFETCH(WindowGeometry, expected);
    if (!file.isNull())
        QVERIFY(writeBytes(iniPath(), file));
    ScriptedDialogs dialogs;
    Module1 settings(iniPath(), dialogs);
    settings.ReadIniFile();
    const WindowGeometry actual = weftara::collections::readWindowGeometry(settings);
    QCOMPARE(actual.left, expected.left);
    QCOMPARE(actual.top, expected.top);
    QCOMPARE(actual.width, expected.width);
    QCOMPARE(actual.height, expected.height);
}

void SettingsTest::storesWindowGeometryAsPlainNumbers()
{
    ScriptedDialogs dialogs;
    Module1 settings(iniPath(), dialogs);
    settings.SetIniValue(QStringLiteral("TutorShow"), QStringLiteral("1"));
    weftara::collections::storeWindowGeometry(settings, {-120, 0, 13500, 10700});
    QVERIFY(settings.WriteIniFile());
    QCOMPARE(readBytes(iniPath()),
             QByteArray("TutorShow,1\r\nMainLeft,-120\r\nMainTop,0\r\nMainWidth,13500\r\nMainHeight,10700\r\n"));
}
