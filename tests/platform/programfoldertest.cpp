#include "platform/programfoldertest.h"

#include "platform/filenames.h"
#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace weftara::platform;

namespace {

bool touch(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

} // namespace

void ProgramFolderTest::splitsFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");

    QTest::newRow("backslashes") << "C:\\pics\\motoe\\a.bmp" << "a.bmp";
    QTest::newRow("slashes") << "/home/u/garae/b.JPG" << "b.JPG";
    QTest::newRow("mixed, slash last") << "C:\\pics/c.bmp" << "c.bmp";
    QTest::newRow("mixed, backslash last") << "/pics\\d.bmp" << "d.bmp";
    QTest::newRow("bare name") << "a.bmp" << "";
    QTest::newRow("ends with separator") << "C:\\pics\\" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("japanese") << "C:\\絵\\織込.bmp" << "織込.bmp";
}

void ProgramFolderTest::splitsFileName()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(fileNameOf(path), name);
}

void ProgramFolderTest::joinsPaths_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("joined");

    QTest::newRow("plain") << "/a/b" << "c.txt" << "/a/b/c.txt";
    QTest::newRow("slash already") << "/a/b/" << "c.txt" << "/a/b/c.txt";
    QTest::newRow("backslash already") << "C:\\x\\" << "c.txt" << "C:\\x\\c.txt";
    QTest::newRow("root") << "/" << "c.txt" << "/c.txt";
    QTest::newRow("no folder") << "" << "c.txt" << "c.txt";
}

void ProgramFolderTest::joinsPaths()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, joined);
    QCOMPARE(joinPath(folder, name), joined);
}

void ProgramFolderTest::findsChildIgnoringCase()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QDir root(dir.path());
    QVERIFY(root.mkdir("Motoe"));
    QVERIFY(touch(root.filePath("Weftara.ini")));
    QVERIFY(touch(root.filePath("abc")));
    QVERIFY(touch(root.filePath("ABC")));

    const ProgramFolder folder(dir.path());
    QCOMPARE(folder.findChild(u"motoe"), std::optional<QString>(root.filePath("Motoe")));
    QCOMPARE(folder.findChild(u"MOTOE"), std::optional<QString>(root.filePath("Motoe")));
    QCOMPARE(folder.findChild(u"weftara.INI"),
             std::optional<QString>(root.filePath("Weftara.ini")));
    QCOMPARE(folder.findChild(u"garae"), std::nullopt);
    QCOMPARE(folder.findChild(u""), std::nullopt);
    // An exact match wins over another spelling.
    QCOMPARE(folder.findChild(u"ABC"), std::optional<QString>(root.filePath("ABC")));
    QCOMPARE(folder.findChild(u"abc"), std::optional<QString>(root.filePath("abc")));
    // A folder given with a trailing separator means the same folder.
    QCOMPARE(ProgramFolder(dir.path() + "/").path(), dir.path());
}

void ProgramFolderTest::resolvesRelativePaths_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("resolved");

    QTest::newRow("fallback file, backslash") << "motoe\\pic.BMP" << "Motoe/Pic.bmp";
    QTest::newRow("fallback file, slash") << "MOTOE/pic.bmp" << "Motoe/Pic.bmp";
    QTest::newRow("folder with trailing separator") << "garae\\" << "Garae";
    QTest::newRow("missing file kept as written") << "motoe\\Gone.bmp" << "Motoe/Gone.bmp";
    QTest::newRow("missing folder kept as written") << "nothere\\Pic.bmp" << "nothere/Pic.bmp";
    QTest::newRow("settings file") << "weftara.ini" << "Weftara.ini";
}

void ProgramFolderTest::resolvesRelativePaths()
{
    QFETCH(QString, relative);
    QFETCH(QString, resolved);

    QTemporaryDir dir;
    QDir root(dir.path());
    QVERIFY(root.mkpath("Motoe"));
    QVERIFY(root.mkpath("Garae"));
    QVERIFY(touch(root.filePath("Motoe/Pic.bmp")));
    QVERIFY(touch(root.filePath("Weftara.ini")));

    QCOMPARE(ProgramFolder(dir.path()).filePath(relative), root.filePath(resolved));
}

void ProgramFolderTest::folderOfExecutable()
{
    QCOMPARE(ProgramFolder::ofExecutable().path(), QCoreApplication::applicationDirPath());
}

void ProgramFolderTest::fileNamesKeepTheirBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("UTF-8") << QByteArray("\xe8\xa9\x9e.png") << QStringLiteral("詞.png");
    QTest::newRow("Shift-JIS") << QByteArray("\x8e\x8c.png") << QStringLiteral("\uFFFD\uFFFD.png");
    QTest::newRow("cut short") << QByteArray("a\xe8\xa9") << QStringLiteral("a\uFFFD\uFFFD");
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << QStringLiteral("\uFFFD\uFFFD");
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80") << QStringLiteral("\uFFFD\uFFFD\uFFFD");
    QTest::newRow("four bytes") << QByteArray("\xf0\x9f\x98\x80") << QStringLiteral("\U0001F600");
}

void ProgramFolderTest::fileNamesKeepTheirBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const QString name = decodeFileName(bytes);
    QCOMPARE(encodeFileName(name), bytes);
    QCOMPARE(displayFileName(name), shown);
}
