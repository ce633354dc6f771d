#include "help/aboutandhelptest.h"

#include "help/aboutdialog.h"
#include "help/helpcommands.h"
#include "help/version.h"
#include "platform/programfolder.h"
#include "support/filebytes.h"
#include "support/recordingdesktop.h"
#include "support/scripteddialogs.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using weftara::help::AboutDialog;
using weftara::platform::ProgramFolder;
using weftara::testing::RecordingDesktop;
using weftara::testing::ScriptedDialogs;

void AboutAndHelpTest::aboutBox()
{
    RecordingDesktop desktop;
    ScriptedDialogs dialogs;
    AboutDialog about(desktop, dialogs);

    QCOMPARE(about.windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報  Weftara"));
    QCOMPARE(about.titleLabel()->text(), QStringLiteral("Weftara   Weftara"));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(weftara::help::programVersion()).hasMatch());
    QCOMPARE(about.versionLabel()->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + weftara::help::programVersion());
    QCOMPARE(about.descriptionLabel()->text(), QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝの説明"));
    QCOMPARE(about.systemInfoButton()->text(), QStringLiteral("ｼｽﾃﾑ情報(&S)..."));
    QVERIFY(!about.iconLabel()->pixmap().isNull());

    // The Windows faces the labels name are not here: a Noto CJK face of
    // the same weight stands in.
    const QFontInfo title(about.titleLabel()->font());
    QVERIFY2(title.family().startsWith(QStringLiteral("Noto Sans CJK")), qPrintable(title.family()));
    QVERIFY(title.weight() >= QFont::Bold);
    const QFontInfo version(about.versionLabel()->font());
    QVERIFY2(version.family().startsWith(QStringLiteral("Noto Sans CJK")), qPrintable(version.family()));
    QCOMPARE(version.weight(), int(QFont::Normal));
    about.show();
    about.okButton()->click();
    QVERIFY(!about.isVisible());
}

void AboutAndHelpTest::systemInfo_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QStringList>("started");

    QTest::newRow("none installed") << QStringList() << true << QStringList();
    QTest::newRow("first in the list wins") << QStringList{"gnome-system-monitor", "hardinfo"} << true
                                            << QStringList{"/usr/bin/hardinfo"};
    QTest::newRow("fails to start") << QStringList{"kinfocenter"} << false << QStringList{"/usr/bin/kinfocenter"};
}

void AboutAndHelpTest::systemInfo()
{
    QFETCH(QStringList, installed);
    QFETCH(bool, starts);
    QFETCH(QStringList, started);

    RecordingDesktop desktop;
    for (const QString &name : installed)
        desktop.install(name);
    desktop.setStarts(starts);
    ScriptedDialogs dialogs;
    AboutDialog about(desktop, dialogs);
    about.systemInfoButton()->click();

    QCOMPARE(desktop.started(), started);
    const QStringList expected = starts && !started.isEmpty()
        ? QStringList()
        : QStringList{QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません")};
    QCOMPARE(dialogs.messages(), expected);
}

void AboutAndHelpTest::helpCommands_data()
{
    QTest::addColumn<QStringList>("files"); // beside the program
    QTest::addColumn<bool>("opens");        // whether the desktop opens what it is given
    QTest::addColumn<bool>("htmlCommand");  // "HTMLヘルプ" rather than "ヘルプ"
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<QString>("message"); // the start of the one message, or empty

    const QString page = QStringLiteral("setumeiindex.html");
    const QString hlp = QStringLiteral("weftara.HLP");
    QTest::newRow("html help, any letter case") << QStringList{"SetumeiIndex.HTML"} << true << true
                                                << QStringList{"SetumeiIndex.HTML"} << QString();
    QTest::newRow("help without help file") << QStringList{page} << true << false << QStringList{page}
                                            << QString();
    QTest::newRow("help file opens") << QStringList{hlp, page} << true << false << QStringList{hlp}
                                     << QString();
    QTest::newRow("nothing opens") << QStringList{hlp, page} << false << false << QStringList{hlp, page}
                                   << QStringLiteral("ヘルプのページを開けません。");
    QTest::newRow("no page") << QStringList() << true << true << QStringList()
                             << QStringLiteral("ヘルプのページが見つかりません。");
}

void AboutAndHelpTest::helpCommands()
{
    QFETCH(QStringList, files);
    QFETCH(bool, opens);
    QFETCH(bool, htmlCommand);
    QFETCH(QStringList, opened);
    QFETCH(QString, message);

    QTemporaryDir dir;
    for (const QString &name : files)
        QVERIFY(weftara::testing::writeBytes(dir.filePath(name), "<p>help</p>"));
    RecordingDesktop desktop;
    desktop.setOpens(opens);
    ScriptedDialogs dialogs;
    const ProgramFolder folder(dir.path());
    if (htmlCommand)
        weftara::help::openHtmlHelp(folder, desktop, dialogs);
    else
        weftara::help::openHelp(folder, desktop, dialogs);

    QList<QUrl> urls;
    for (const QString &name : opened)
        urls << QUrl::fromLocalFile(dir.filePath(name));
    QCOMPARE(desktop.opened(), urls);
    if (message.isEmpty()) {
        QVERIFY(dialogs.messages().isEmpty());
    } else {
        QCOMPARE(dialogs.messages().size(), 1);
        QVERIFY2(dialogs.messages().first().startsWith(message), qPrintable(dialogs.messages().first()));
    }
}

void AboutAndHelpTest::helpFileInRootFolder()
{
    QCOMPARE(weftara::help::helpFilePath(ProgramFolder(QStringLiteral("/"))), QStringLiteral("/weftara.HLP"));
}
