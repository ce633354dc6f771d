#include "app/mainmenus.h"

#include <QAction>
#include <QKeySequence>
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
    file->setObjectName(QStringLiteral("fileMenu"));
    m.baseFolderAction = addItem(file, QStringLiteral("元絵のパスの設定"), "baseFolderAction");
    m.patternFolderAction = addItem(file, QStringLiteral("柄絵のパスの設定"), "patternFolderAction");
    m.saveAsAction = addItem(file, QStringLiteral("絵の保存(&A)..."), "saveAsAction");
    m.recipesAction = addItem(file, QStringLiteral("織り詞(Log)(&L)"), "recipesAction");
    m.printSetupAction = addItem(file, QStringLiteral("印刷設定"), "printSetupAction");
    m.printAction = addItem(file, QStringLiteral("印刷(&P)..."), "printAction");
    file->addSeparator();
    m.exitAction = addItem(file, QStringLiteral("終了(&X)"), "exitAction");

    QMenu *options = bar->addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    options->setObjectName(QStringLiteral("optionsMenu"));
    m.textModeAction = addItem(options, QStringLiteral("文字の織り込み"), "textModeAction");
    m.snapshotsAction = addItem(options, QStringLiteral("画像の一時保存"), "snapshotsAction");
    m.weaveOptionsAction = addItem(options, QStringLiteral("織り込み処理"), "weaveOptionsAction");
    m.sendToPaintAction = addItem(options, QStringLiteral("「ペイント」の起動"), "sendToPaintAction");
    m.takeFromPaintAction = addItem(options, QStringLiteral("「ペイント」から読み込み"), "takeFromPaintAction");
    m.flipLeftRightAction = addItem(options, QStringLiteral("左右の反転"), "flipLeftRightAction");
    m.flipTopBottomAction = addItem(options, QStringLiteral("上下の反転"), "flipTopBottomAction");
    m.flipBothAction = addItem(options, QStringLiteral("全体の反転"), "flipBothAction");

    QMenu *help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("helpMenu"));
    m.tutorialAction = addItem(help, QStringLiteral("チュートリアルの表示"), "tutorialAction");
    help->addSeparator();
    m.helpAction = addItem(help, QStringLiteral("ヘルプ"), "helpAction");
    m.htmlHelpAction = addItem(help, QStringLiteral("HTMLヘルプ"), "htmlHelpAction");
    help->addSeparator();
    m.aboutAction = addItem(help, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"), "aboutAction");

    // The desktop's usual keys, besides the access keys of the captions.
    m.saveAsAction->setShortcut(QKeySequence::Save);
    m.printAction->setShortcut(QKeySequence::Print);
    m.exitAction->setShortcut(QKeySequence::Quit);
    m.helpAction->setShortcut(QKeySequence::HelpContents);
    return m;
}

} // namespace weftara::app
