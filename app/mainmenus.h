#pragma once

class QAction;
class QMenuBar;

namespace weftara::app {

// The main window's three menus. Each subsystem connects to the items it
// owns; an item whose subsystem is not wired stays disabled.
struct MainMenus
{
    // ﾌｧｲﾙ(&F)
    QAction *baseFolderAction = nullptr;
    QAction *patternFolderAction = nullptr;
    QAction *saveAsAction = nullptr;
    QAction *recipesAction = nullptr;
    QAction *printSetupAction = nullptr;
    QAction *printAction = nullptr;
    QAction *exitAction = nullptr;
    // ｵﾌﾟｼｮﾝ(&O)
    QAction *textModeAction = nullptr;
    QAction *snapshotsAction = nullptr;
    QAction *weaveOptionsAction = nullptr;
    QAction *sendToPaintAction = nullptr;
    QAction *takeFromPaintAction = nullptr;
    QAction *flipLeftRightAction = nullptr;
    QAction *flipTopBottomAction = nullptr;
    QAction *flipBothAction = nullptr;
    // ﾍﾙﾌﾟ(&H)
    QAction *tutorialAction = nullptr;
    QAction *helpAction = nullptr;
    QAction *htmlHelpAction = nullptr;
    QAction *aboutAction = nullptr;
};

// Fills `bar` with the three menus, every item disabled; returns the items.
MainMenus buildMainMenus(QMenuBar *bar);

} // namespace weftara::app
