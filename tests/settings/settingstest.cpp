#include "settings/settingstest.h"

#include "settings/settings.h"
#include "support/filebytes.h"
#include "support/scripteddialogs.h"

#include <QDir>
#include <QStringEncoder>
#include <QTest>

using weftara::settings::Settings;
using weftara::testing::ScriptedDialogs;
using weftara::testing::readBytes;
using weftara::testing::writeBytes;

namespace {

QByteArray toShiftJis(const QString &text)
{
    QStringEncoder encoder("windows-31j");
    return encoder.encode(text);
}

// The table's used slots, as the file written from it holds them.
QByteArray written(Settings &settings, const QString &path)
{
    return settings.write() ? weftara::testing::readBytes(path) : QByteArray("(not written)");
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
    Settings settings(iniPath(), dialogs);
    settings.read();
    QCOMPARE(settings.value(key, fallback), expected);
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
    Settings settings(iniPath(), dialogs);
    settings.read();
    // The free slot 29 ends the table, so X is out of sight.
    QCOMPARE(settings.value(QStringLiteral("X"), QStringLiteral("d")), QStringLiteral("d"));
    QCOMPARE(written(settings, iniPath()).count("\r\n"), 29);

    // Filling slot 29 brings X (slot 30) back; Y never got a slot.
    settings.setValue(QStringLiteral("New"), QStringLiteral("n"));
    QVERIFY(written(settings, iniPath()).endsWith("K28,28\r\nNew,n\r\nX,x\r\n"));
    QCOMPARE(settings.value(QStringLiteral("Y"), QStringLiteral("d")), QString());
}

void SettingsTest::fullTableStopsReadingAndAnswersEmpty()
{
    QByteArray file;
    for (int i = 0; i < 33; ++i)
        file += "K" + QByteArray::number(i) + ",v" + QByteArray::number(i) + "\r\n";
    QVERIFY(writeBytes(iniPath(), file));

    ScriptedDialogs dialogs;
    Settings settings(iniPath(), dialogs);
    settings.read();
    QCOMPARE(settings.value(QStringLiteral("K30"), QStringLiteral("d")), QStringLiteral("v30"));
    // Every slot in use and none matches: empty text, not the default.
    QCOMPARE(settings.value(QStringLiteral("K31"), QStringLiteral("d")), QString());
}

void SettingsTest::secondReadKeepsTheTable()
{
    QVERIFY(writeBytes(iniPath(), "A,1\r\nB,2\r\n"));
    ScriptedDialogs dialogs;
    Settings settings(iniPath(), dialogs);
    settings.read();
    settings.setValue(QStringLiteral("A"), QStringLiteral("9"));
    settings.setValue(QStringLiteral("C"), QStringLiteral("3"));
    settings.read();
    // The file's slots are read over again; the later slot stays.
    QCOMPARE(written(settings, iniPath()), QByteArray("A,1\r\nB,2\r\nC,3\r\n"));
}

void SettingsTest::linesFollowTheOrderOfFirstStore()
{
    QVERIFY(writeBytes(iniPath(), "MainLeft,500\r\n"));
    ScriptedDialogs dialogs;
    Settings settings(iniPath(), dialogs);
    settings.read();
    settings.setValue(QStringLiteral("TutorShow"), QStringLiteral("1"));
    settings.setValue(QStringLiteral("MotoEpath"), QStringLiteral("/pics"));
    settings.setValue(QStringLiteral("TutorShow"), QStringLiteral("0"));
    settings.setValue(QStringLiteral("MainLeft"), QStringLiteral("-120"));
    QVERIFY(settings.write());
    QCOMPARE(readBytes(iniPath()), QByteArray("MainLeft,-120\r\nTutorShow,0\r\nMotoEpath,/pics\r\n"));
}

void SettingsTest::emptyTableWritesEmptyFile()
{
    QVERIFY(writeBytes(iniPath(), "old,contents\r\n"));
    ScriptedDialogs dialogs;
    Settings settings(iniPath(), dialogs);
    QVERIFY(settings.write());
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
    QTest::newRow("CR LF and lone CR") << "a\r\nb\rc\r";
    QTest::newRow("Japanese with comma") << QString::fromUtf8("元絵,柄絵");
    QTest::newRow("backslashes") << "C:\\Weftara\\Motoe\\";
}

void SettingsTest::valuesSurviveWriteAndRead()
{
    QFETCH(QString, value);
    ScriptedDialogs dialogs;
    {
        Settings writer(iniPath(), dialogs);
        writer.setValue(QStringLiteral("MotoEpath"), value);
        writer.setValue(QStringLiteral("After"), QStringLiteral("kept"));
        QVERIFY(writer.write());
    }
    Settings reader(iniPath(), dialogs);
    reader.read();
    QCOMPARE(reader.value(QStringLiteral("MotoEpath"), QStringLiteral("d")), value);
    QCOMPARE(reader.value(QStringLiteral("After"), QStringLiteral("d")), QStringLiteral("kept"));
}

void SettingsTest::thirtySecondKeyIsIgnored()
{
    ScriptedDialogs dialogs;
    Settings settings(iniPath(), dialogs);
    for (int i = 0; i < 31; ++i)
        settings.setValue(QStringLiteral("K%1").arg(i), QString::number(i));
    settings.setValue(QStringLiteral("K31"), QStringLiteral("31"));
    settings.setValue(QStringLiteral("K5"), QStringLiteral("five"));
    const QByteArray file = written(settings, iniPath());
    QCOMPARE(file.count("\r\n"), 31);
    QVERIFY(file.contains("\r\nK5,five\r\n"));
    QVERIFY(file.endsWith("\r\nK30,30\r\n"));
}

void SettingsTest::unwritableFileIsReportedOnce()
{
    // The settings file's folder is an ordinary file: nothing can be made there.
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QVERIFY(writeBytes(blocker, "not a folder"));
    ScriptedDialogs dialogs;
    Settings settings(blocker + QStringLiteral("/Weftara.ini"), dialogs);
    settings.setValue(QStringLiteral("MainLeft"), QStringLiteral("800"));

    QVERIFY(!settings.write());
    QVERIFY(!settings.write());
    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY(dialogs.messages().front().contains(QStringLiteral("Weftara.ini")));
    QCOMPARE(settings.value(QStringLiteral("MainLeft"), QStringLiteral("500")), QStringLiteral("800"));

    // Once a write succeeds, a new failure is reported again.
    QVERIFY(QFile::remove(blocker));
    QVERIFY(QDir().mkdir(blocker));
    QVERIFY(settings.write());
    QVERIFY(QDir(blocker).removeRecursively());
    QVERIFY(writeBytes(blocker, "not a folder"));
    QVERIFY(!settings.write());
    QCOMPARE(dialogs.messages().size(), 2);
}

void SettingsTest::shiftJisFileStaysShiftJis()
{
    const QString folder = QString::fromUtf8("C:\\ユーザー\\元絵集");
    QVERIFY(writeBytes(iniPath(), toShiftJis(QStringLiteral("MotoEpath,") + folder + "\r\n")));
    ScriptedDialogs dialogs;
    Settings settings(iniPath(), dialogs);
    settings.read();
    QCOMPARE(settings.value(QStringLiteral("MotoEpath"), QString()), folder);
    settings.setValue(QStringLiteral("GaraEpath"), QString::fromUtf8("D:\\柄絵"));
    QVERIFY(settings.write());
    const QByteArray expected = toShiftJis(QStringLiteral("MotoEpath,") + folder + "\r\nGaraEpath,"
                                           + QString::fromUtf8("D:\\柄絵") + "\r\n");
    QCOMPARE(readBytes(iniPath()), expected);
}

void SettingsTest::unmappableValueTurnsFileUtf8()
{
    // Hangul has no Shift-JIS form; the half-width "ﾃｩ" has one, but its two
    // bytes are also valid UTF-8 ("é"), so a line read back would change.
    for (const QString &value : {QString::fromUtf8("/home/u/그림"), QString::fromUtf8("/home/u/ﾃｩ")}) {
        QVERIFY(writeBytes(iniPath(), toShiftJis(QString::fromUtf8("MotoEpath,元絵\r\n"))));
        ScriptedDialogs dialogs;
        Settings settings(iniPath(), dialogs);
        settings.read();
        settings.setValue(QStringLiteral("GaraEpath"), value);
        QVERIFY(settings.write());
        QCOMPARE(readBytes(iniPath()), QString(QString::fromUtf8("MotoEpath,元絵\r\nGaraEpath,") + value + "\r\n").toUtf8());

        Settings again(iniPath(), dialogs);
        again.read();
        QCOMPARE(again.value(QStringLiteral("GaraEpath"), QString()), value);
    }
}
