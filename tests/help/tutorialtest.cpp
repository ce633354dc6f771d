#include "help/tutorialtest.h"

#include "help/tutorial.h"
#include "help/tutorialpanel.h"
#include "settings/settings.h"
#include "support/filebytes.h"
#include "support/scripteddialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using weftara::help::Tutorial;
using weftara::help::TutorialPanel;
using weftara::testing::readBytes;
using weftara::testing::writeBytes;

namespace {

// The default window's tab strip, in twips.
const QRect TabStrip(0, 690, 13600, 9700);

// A program folder with its settings, and the tutorial panel over a form.
struct Program
{
    QTemporaryDir dir;
    weftara::testing::ScriptedDialogs dialogs;
    weftara::settings::Settings settings{dir.filePath(QStringLiteral("Weftara.ini")), dialogs};
    QWidget form;
    TutorialPanel *panel = new TutorialPanel(&form);
    Tutorial tutorial{*panel, settings, weftara::platform::ProgramFolder(dir.path()), dialogs};

    QString tutorPath() const { return dir.filePath(QStringLiteral("tutor.txt")); }
    QByteArray ini() const { return readBytes(dir.filePath(QStringLiteral("Weftara.ini"))); }
    void startUp()
    {
        settings.read();
        tutorial.prepare(TabStrip);
    }
    QString text() const { return panel->tutorialBox()->toPlainText(); }
};

} // namespace

void TutorialTest::startUp_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("shown");

    QTest::newRow("no settings file") << QByteArray() << true;
    QTest::newRow("TutorShow 0") << QByteArray("TutorShow,0\r\n") << true;
    QTest::newRow("TutorShow 1") << QByteArray("MainLeft,500\r\nTutorShow,1\r\n") << false;
}

void TutorialTest::startUp()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, shown);

    Program p;
    if (!ini.isEmpty())
        QVERIFY(writeBytes(p.dir.filePath(QStringLiteral("Weftara.ini")), ini));
    QVERIFY(writeBytes(p.tutorPath(), "一行目\r\n\r\n三行目"));
    p.startUp();

    QCOMPARE(p.panel->isVisibleTo(&p.form), shown);
    // Every line read ends in a line end, the last one too.
    QCOMPARE(p.text(), QStringLiteral("一行目\n\n三行目\n"));
    QVERIFY(p.dialogs.messages().isEmpty());
}

void TutorialTest::choiceIsStored()
{
    Program p;
    QVERIFY(writeBytes(p.dir.filePath(QStringLiteral("Weftara.ini")), "TutorShow,1\r\n"));
    p.startUp();
    QVERIFY(p.panel->isHidden());
    // No file: an empty text and no message.
    QVERIFY(p.text().isEmpty());

    // The menu shows the panel and stores the unticked box, so the panel
    // opens again at the next start.
    p.tutorial.showTutorial();
    QVERIFY(p.panel->isVisibleTo(&p.form));
    QCOMPARE(p.ini(), QByteArray("TutorShow,0\r\n"));

    p.panel->hideNextTimeCheckBox()->click();
    QCOMPARE(p.ini(), QByteArray("TutorShow,1\r\n"));
    // "×" hides and leaves the setting alone.
    p.panel->closeButton()->click();
    QVERIFY(p.panel->isHidden());
    QCOMPARE(p.ini(), QByteArray("TutorShow,1\r\n"));
    QVERIFY(p.dialogs.messages().isEmpty());
}

void TutorialTest::writeAndReload_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("edited"); // the text before "書込"; empty: as loaded
    QTest::addColumn<QByteArray>("written");

    const QByteArray orikomiSjis("\x90\x44\x8d\x9e"); // "織込" in CP932
    QTest::newRow("utf-8 as loaded") << QByteArray("織込\r\n\r\nメモ") << QString()
                                     << QByteArray("織込\r\n\r\nメモ\r\n");
    QTest::newRow("shift-jis kept") << orikomiSjis + "\r\n" << QStringLiteral("織込\n追記\n")
                                    << orikomiSjis + "\r\n\x92\xc7\x8b\x4c\r\n";
    // A character Shift-JIS cannot hold makes the file UTF-8 rather than "?".
    QTest::newRow("shift-jis to utf-8") << orikomiSjis + "\r\n" << QStringLiteral("織込 🧵\n")
                                        << QByteArray("織込 🧵\r\n");
    QTest::newRow("edited without final line end") << QByteArray("a\r\n") << QStringLiteral("a\nb")
                                                   << QByteArray("a\r\nb\r\n");
}

void TutorialTest::writeAndReload()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, edited);
    QFETCH(QByteArray, written);

    Program p;
    QVERIFY(writeBytes(p.tutorPath(), file));
    p.startUp();
    if (!edited.isEmpty())
        p.panel->tutorialBox()->setPlainText(edited);

    // Write and reload, twice: the file does not grow and the text comes back.
    for (int cycle = 0; cycle < 2; ++cycle) {
        const QString before = p.text();
        p.panel->writeButton()->click();
        QCOMPARE(readBytes(p.tutorPath()), written);
        p.startUp();
        if (cycle > 0 || before.endsWith(u'\n'))
            QCOMPARE(p.text(), before);
    }
    QVERIFY(p.dialogs.messages().isEmpty());
}

void TutorialTest::failedWriteKeepsText()
{
    Program p;
    // A folder where the file should be: unreadable at start-up (an empty
    // text, no message), unwritable at "書込".
    QVERIFY(QDir(p.dir.path()).mkdir(QStringLiteral("tutor.txt")));
    p.startUp();
    QVERIFY(p.text().isEmpty());
    QVERIFY(p.dialogs.messages().isEmpty());

    p.panel->tutorialBox()->setPlainText(QStringLiteral("メモ"));
    QVERIFY(!p.tutorial.writeTutorial());
    QCOMPARE(p.dialogs.messages().size(), 1);
    QVERIFY(p.dialogs.messages().first().startsWith(QStringLiteral("チュートリアル（tutor.txt）を書き込めません。")));
    QCOMPARE(p.text(), QStringLiteral("メモ"));
}
