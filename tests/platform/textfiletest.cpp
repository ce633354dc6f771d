#include "platform/textfiletest.h"

#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace weftara::platform;

Q_DECLARE_METATYPE(weftara::platform::TextEncoding)

namespace {

// "詞初め" in CP932, taken from the code table (not from our encoder).
const QByteArray KotobaSjis("\x8e\x8c\x8f\x89\x82\xdf");
const QString Kotoba = QStringLiteral("詞初め");
// "織込" in CP932.
const QByteArray OrikomiSjis("\x90\x44\x8d\x9e");

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

void TextFileTest::decodesLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<qsizetype>>("lineStarts");
    QTest::addColumn<TextEncoding>("encoding");

    using Starts = QList<qsizetype>;
    const auto utf8 = TextEncoding::Utf8;
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"} << Starts{0, 3, 6} << utf8;
    QTest::newRow("lf, no final end") << QByteArray("a\nb") << QStringList{"a", "b"} << Starts{0, 2, 3} << utf8;
    QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\nb\r\n\r\n") << QStringList{"a", "", "b", ""}
                                      << Starts{0, 3, 5, 8, 10} << utf8;
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""} << Starts{0, 2} << utf8;
    QTest::newRow("empty") << QByteArray() << QStringList{} << Starts{0} << utf8;
    QTest::newRow("lone CR stays") << QByteArray("a\rb\n") << QStringList{"a\rb"} << Starts{0, 4} << utf8;
    QTest::newRow("CR before CR LF") << QByteArray("a\r\r\n") << QStringList{"a\r"} << Starts{0, 4} << utf8;
    // One line in the other encoding spoils neither its neighbours nor the
    // choice for new lines.
    QTest::newRow("UTF-8 with one Shift-JIS line")
        << QByteArray(Kotoba.toUtf8() + "\r\n" + OrikomiSjis + "\r\n" + Kotoba.toUtf8())
        << QStringList{Kotoba, QStringLiteral("織込"), Kotoba} << Starts{0, 11, 17, 26} << utf8;
    QTest::newRow("Shift-JIS with one UTF-8 line")
        << QByteArray(KotobaSjis + "\n" + Kotoba.toUtf8() + "\nx\n" + OrikomiSjis)
        << QStringList{Kotoba, Kotoba, "x", QStringLiteral("織込")} << Starts{0, 7, 17, 19, 23}
        << TextEncoding::ShiftJis;
    QTest::newRow("byte-order mark dropped at the start only")
        << QByteArray("\xEF\xBB\xBF\xC3\xA9\n\xEF\xBB\xBF" "b") << QStringList{QStringLiteral("\u00E9"), QStringLiteral("\uFEFFb")}
        << Starts{0, 6, 10} << utf8;
}

void TextFileTest::decodesLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFETCH(QList<qsizetype>, lineStarts);
    QFETCH(TextEncoding, encoding);
    const DecodedLines decoded = decodeLines(bytes);
    QCOMPARE(decoded.lines, lines);
    QCOMPARE(decoded.lineStarts, lineStarts);
    QCOMPARE(decoded.encoding, encoding);
}

void TextFileTest::tellsMissingFromEmpty()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    const TextFileContents missing = readTextFile(dir.filePath("none.txt"));
    QCOMPARE(missing.status, ReadStatus::Missing);
    QVERIFY(!missing.ok());
    QVERIFY(!missing.error.isEmpty());

    QVERIFY(putBytes(dir.filePath("empty.txt"), {}));
    const TextFileContents empty = readTextFile(dir.filePath("empty.txt"));
    QCOMPARE(empty.status, ReadStatus::Ok);
    QVERIFY(empty.lines.isEmpty());
    QCOMPARE(empty.encoding, TextEncoding::Utf8);

    QVERIFY(QDir(dir.path()).mkdir("folder"));
    const TextFileContents folder = readTextFile(dir.filePath("folder"));
    QCOMPARE(folder.status, ReadStatus::Unreadable);
    QVERIFY(!folder.error.isEmpty());
}

void TextFileTest::writesCrLfUtf8()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kotoba.txt");
    QVERIFY(writeTextFile(path, {"[x]", "", Kotoba}, TextEncoding::Utf8));
    QCOMPARE(bytesOf(path), QByteArray("[x]\r\n\r\n") + Kotoba.toUtf8() + "\r\n");

    const TextFileContents read = readTextFile(path);
    QVERIFY(read.ok());
    QCOMPARE(read.encoding, TextEncoding::Utf8);
    QCOMPARE(read.lines, (QStringList{"[x]", "", Kotoba}));

    // Nothing to write still leaves an (empty) file.
    QVERIFY(writeTextFile(path, {}, TextEncoding::Utf8));
    QVERIFY(QFile::exists(path));
    QCOMPARE(bytesOf(path), QByteArray());
}

void TextFileTest::readsShiftJis()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tutor.txt");
    QVERIFY(putBytes(path, "Motoe=a\r\n" + KotobaSjis + "\n" + OrikomiSjis));

    const TextFileContents read = readTextFile(path);
    QVERIFY(read.ok());
    QCOMPARE(read.encoding, TextEncoding::ShiftJis);
    QCOMPARE(read.lines, (QStringList{"Motoe=a", Kotoba, QStringLiteral("織込")}));
}

void TextFileTest::writesShiftJis()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kotoba.txt");
    QVERIFY(writeTextFile(path, {Kotoba, "abc"}, TextEncoding::ShiftJis));
    QCOMPARE(bytesOf(path), KotobaSjis + "\r\nabc\r\n");
    const TextFileContents read = readTextFile(path);
    QCOMPARE(read.encoding, TextEncoding::ShiftJis);
    QCOMPARE(read.lines, (QStringList{Kotoba, "abc"}));
}

void TextFileTest::replacesUnmappableCharacters()
{
    // An emoji (two UTF-16 units) and the euro sign have no CP932 form; each
    // becomes a single "?".
    const QString text = QStringLiteral("a\U0001F600b\u20AC") + Kotoba;
    QCOMPARE(encodeText(text, TextEncoding::ShiftJis), QByteArray("a?b?") + KotobaSjis);
    QCOMPARE(encodeText(text, TextEncoding::Utf8), text.toUtf8());
}

void TextFileTest::appendKeepsEncoding_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<TextEncoding>("encoding");

    const QByteArray orikomiUtf8 = QStringLiteral("織込").toUtf8();
    QTest::newRow("shift-jis file") << true << QByteArray("[a]\r\n" + KotobaSjis + "\r\n")
                                    << QByteArray("[a]\r\n" + KotobaSjis + "\r\n" + OrikomiSjis
                                                  + "\r\n")
                                    << TextEncoding::ShiftJis;
    QTest::newRow("utf-8 file") << true << QByteArray(Kotoba.toUtf8() + "\n")
                                << QByteArray(Kotoba.toUtf8() + "\n" + orikomiUtf8 + "\r\n")
                                << TextEncoding::Utf8;
    QTest::newRow("no final line end") << true << QByteArray(KotobaSjis)
                                       << QByteArray(KotobaSjis + "\r\n" + OrikomiSjis + "\r\n")
                                       << TextEncoding::ShiftJis;
    QTest::newRow("empty file") << true << QByteArray() << QByteArray(orikomiUtf8 + "\r\n")
                                << TextEncoding::Utf8;
    QTest::newRow("new file") << false << QByteArray() << QByteArray(orikomiUtf8 + "\r\n")
                              << TextEncoding::Utf8;
}

void TextFileTest::appendKeepsEncoding()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(TextEncoding, encoding);

    QTemporaryDir dir;
    const QString path = dir.filePath("kotoba.txt");
    if (exists)
        QVERIFY(putBytes(path, before));
    QString error;
    QVERIFY2(appendTextFile(path, {QStringLiteral("織込")}, &error), qPrintable(error));
    QCOMPARE(bytesOf(path), after);
    QCOMPARE(readTextFile(path).encoding, encoding);
}

void TextFileTest::appendKeepsWhatShiftJisWouldLose()
{
    // Hangul has no Shift-JIS form; "ﾃｩ" has one whose bytes read as UTF-8.
    QTemporaryDir dir;
    const QString path = dir.filePath("kotoba.txt");
    const QStringList added{QStringLiteral("詞の説明=그림"), QStringLiteral("ﾃｩ")};
    QVERIFY(putBytes(path, KotobaSjis + "\r\n"));
    QVERIFY(appendTextFile(path, added));
    QCOMPARE(bytesOf(path), QByteArray(KotobaSjis + "\r\n" + added.join("\r\n").toUtf8() + "\r\n"));
    QCOMPARE(readTextFile(path).lines, QStringList{Kotoba} + added);
}

void TextFileTest::replacesAtomically()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Weftara.ini");
    QVERIFY(writeTextFile(path, {"MainLeft,500"}, TextEncoding::Utf8));
    QVERIFY(writeTextFile(path, {"MainLeft,800", "MainTop,50"}, TextEncoding::Utf8));
    QVERIFY(appendTextFile(path, {"TutorShow,1"}));
    QCOMPARE(bytesOf(path), QByteArray("MainLeft,800\r\nMainTop,50\r\nTutorShow,1\r\n"));
    // No temporary files are left beside it.
    const QStringList entries =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QCOMPARE(entries, QStringList{"Weftara.ini"});
}

void TextFileTest::appendWritesOnlyTheNewLines()
{
    // A file opened before the append sees the new lines: the file was added
    // to, not replaced by a copy (which would lose what another program
    // added in between).
    QTemporaryDir dir;
    const QString path = dir.filePath("kotoba.txt");
    QVERIFY(putBytes(path, "a\r\n"));
    QFile opened(path);
    QVERIFY(opened.open(QIODevice::ReadOnly));
    QVERIFY(appendTextFile(path, {"b"}));
    QCOMPARE(opened.readAll(), QByteArray("a\r\nb\r\n"));
}

void TextFileTest::reportsUnwritablePlaces()
{
    QTemporaryDir dir;
    const QString inMissingFolder = dir.filePath("no/such/folder/kotoba.txt");
    QString error;
    QVERIFY(!writeTextFile(inMissingFolder, {"x"}, TextEncoding::Utf8, &error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(!appendTextFile(inMissingFolder, {"x"}, &error));
    QVERIFY(!error.isEmpty());

    // A folder where the file should be is neither replaced nor appended to.
    QVERIFY(QDir(dir.path()).mkdir("kotoba.txt"));
    const QString folder = dir.filePath("kotoba.txt");
    error.clear();
    QVERIFY(!writeTextFile(folder, {"x"}, TextEncoding::Utf8, &error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(!appendTextFile(folder, {"x"}, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(folder).isDir());
    // Without an error string the failure is still reported.
    QVERIFY(!writeTextFile(folder, {"x"}, TextEncoding::Utf8));
}
