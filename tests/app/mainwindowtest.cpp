#include "app/mainwindowtest.h"

#include "app/mainwindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using weftara::app::MainWindow;

namespace {

QStringList itemsOf(QMenu *menu)
{
    QStringList texts;
    const auto actions = menu->actions();
    for (QAction *a : actions)
        if (!a->isSeparator())
            texts << a->text();
    return texts;
}

} // namespace

void MainWindowTest::captionAndMenus()
{
    MainWindow w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Weftara"));

    const auto top = w.menuBar()->actions();
    QCOMPARE(top.size(), 3);
    QCOMPARE(top[0]->text(), QStringLiteral("ﾌｧｲﾙ(&F)"));
    QCOMPARE(top[1]->text(), QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    QCOMPARE(top[2]->text(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));

    QCOMPARE(itemsOf(top[0]->menu()),
             (QStringList{"元絵のパスの設定", "柄絵のパスの設定", "絵の保存(&A)...", "織り詞(Log)(&L)",
                          "印刷設定", "印刷(&P)...", "終了(&X)"}));
    QCOMPARE(itemsOf(top[1]->menu()),
             (QStringList{"文字の織り込み", "画像の一時保存", "織り込み処理", "「ペイント」の起動",
                          "「ペイント」から読み込み", "左右の反転", "上下の反転", "全体の反転"}));
    QCOMPARE(itemsOf(top[2]->menu()),
             (QStringList{"チュートリアルの表示", "ヘルプ", "HTMLヘルプ", "ﾊﾞｰｼﾞｮﾝ情報(&A)"}));
}

void MainWindowTest::exitClosesWindow()
{
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.menus().mnuFileExit->trigger();
    QVERIFY(!w.isVisible());
}
