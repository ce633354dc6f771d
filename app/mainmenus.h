#pragma once

class QAction;
class QMenuBar;

namespace weftara::app {

// The main window's three menus. Each subsystem connects to the items it
// owns; an item whose subsystem is not wired stays disabled.
struct MainMenus
{
    // ﾌｧｲﾙ(&F)
    QAction *mnuFileOpen = nullptr;   // 元絵のパスの設定
    QAction *mnuHFileOpen = nullptr;  // 柄絵のパスの設定
    QAction *mnuFileSaveAs = nullptr; // 絵の保存(&A)...
    QAction *mr = nullptr;            // 織り詞(Log)(&L)
    QAction *mpsettei = nullptr;      // 印刷設定
    QAction *mnuFilePrint = nullptr;  // 印刷(&P)...
    QAction *mnuFileExit = nullptr;   // 終了(&X)
    // ｵﾌﾟｼｮﾝ(&O)
    QAction *morikotoba = nullptr;    // 文字の織り込み
    QAction *mhozon = nullptr;        // 画像の一時保存
    QAction *morikomi = nullptr;      // 織り込み処理
    QAction *mclip = nullptr;         // 「ペイント」の起動
    QAction *mpaint = nullptr;        // 「ペイント」から読み込み
    QAction *msayu = nullptr;         // 左右の反転
    QAction *mjyouge = nullptr;       // 上下の反転
    QAction *zentai = nullptr;        // 全体の反転
    // ﾍﾙﾌﾟ(&H)
    QAction *mtutor = nullptr;          // チュートリアルの表示
    QAction *mnuHelpContents = nullptr; // ヘルプ
    QAction *htmlhelp = nullptr;        // HTMLヘルプ
    QAction *mnuHelpAbout = nullptr;    // ﾊﾞｰｼﾞｮﾝ情報(&A)
};

// Fills `bar` with the three menus, every item disabled; returns the items.
MainMenus buildMainMenus(QMenuBar *bar);

} // namespace weftara::app
