#include "app/mainmenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace weftara::app {

namespace {

QAction *addItem(QMenu *menu, const QString &caption, const char *objectName)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setEnabled(false);
    return action;
}

} // namespace

MainMenus buildMainMenus(QMenuBar *bar)
{
    MainMenus m;

    QMenu *file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    m.mnuFileOpen = addItem(file, QStringLiteral("元絵のパスの設定"), "mnuFileOpen");
    m.mnuHFileOpen = addItem(file, QStringLiteral("柄絵のパスの設定"), "mnuHFileOpen");
    m.mnuFileSaveAs = addItem(file, QStringLiteral("絵の保存(&A)..."), "mnuFileSaveAs");
    m.mr = addItem(file, QStringLiteral("織り詞(Log)(&L)"), "mr");
    m.mpsettei = addItem(file, QStringLiteral("印刷設定"), "mpsettei");
    m.mnuFilePrint = addItem(file, QStringLiteral("印刷(&P)..."), "mnuFilePrint");
    file->addSeparator();
    m.mnuFileExit = addItem(file, QStringLiteral("終了(&X)"), "mnuFileExit");

    QMenu *options = bar->addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    options->setObjectName(QStringLiteral("mnuOption"));
    m.morikotoba = addItem(options, QStringLiteral("文字の織り込み"), "morikotoba");
    m.mhozon = addItem(options, QStringLiteral("画像の一時保存"), "mhozon");
    m.morikomi = addItem(options, QStringLiteral("織り込み処理"), "morikomi");
    m.mclip = addItem(options, QStringLiteral("「ペイント」の起動"), "mclip");
    m.mpaint = addItem(options, QStringLiteral("「ペイント」から読み込み"), "mpaint");
    m.msayu = addItem(options, QStringLiteral("左右の反転"), "msayu");
    m.mjyouge = addItem(options, QStringLiteral("上下の反転"), "mjyouge");
    m.zentai = addItem(options, QStringLiteral("全体の反転"), "zentai");

    QMenu *help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    m.mtutor = addItem(help, QStringLiteral("チュートリアルの表示"), "mtutor");
    help->addSeparator();
    m.mnuHelpContents = addItem(help, QStringLiteral("ヘルプ"), "mnuHelpContents");
    m.htmlhelp = addItem(help, QStringLiteral("HTMLヘルプ"), "htmlhelp");
    help->addSeparator();
    m.mnuHelpAbout = addItem(help, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"), "mnuHelpAbout");

    return m;
}

} // namespace weftara::app
