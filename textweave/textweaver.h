#pragma once

#include "textweave/textplacement.h"

#include <QObject>

class QListWidgetItem;

namespace weftara::platform {
class Dialogs;
class Surface;
} // namespace weftara::platform

namespace weftara::workspace {
class Workspace;
} // namespace weftara::workspace

namespace weftara::textweave {

class TextBox;
class TextPanel;

// Text mode: the text panel Frame3 in place of the control panel Frame1,
// the text box Text7 on the woven picture Picture1(2), and the panel's
// handlers. Drawn text goes into the woven picture's drawing layer, where
// "取消" can erase it until "織込" or "閉じる" fixes it into the picture.
//
// The panel is created beside Frame1 (same parent), the text box on
// Picture1(2); both belong to those parents.
class TextWeaver : public QObject
{
    Q_OBJECT

public:
    TextWeaver(workspace::Workspace &ws, platform::Dialogs &dialogs, QObject *parent = nullptr);

    TextPanel &Frame3() { return *m_panel; }
    TextBox &Text7() { return *m_box; }
    TextPlacement &placement() { return *m_placement; }
    const TextModeFlags &flags() const { return m_flags; }
    bool MojiModeFlg() const { return m_flags.MojiModeFlg; }
    // Whether the text panel is shown (its own visibility, as the window's
    // other panels ask it).
    bool panelShown() const;

    // Menu "文字の織り込み": switches text mode on, or off without fixing.
    // During recipe replay it only ever switches text mode on, and the
    // panel stays hidden.
    void morikotoba_Click();
    // Leaves text mode without fixing: hides the panel and the text box and
    // shows the control panel again (a base picture chosen, the print panel
    // opened, a replay finished in text mode).
    void endTextPlacement();
    // After a recipe replay (LogSaiseiFlg already cleared): a replay that
    // ended in text mode leaves it, so that the control panel is back.
    void replayFinished();

    void Command10_Click(); // フォント設定: font dialog
    void Command20_Click(); // ﾌｫﾝﾄｻｲｽﾞ: the size list
    void List5_Click(QListWidgetItem *item);
    void Text8_Change();    // Text7's size := the number in Text8
    void Command12_Click(); // 文字の色: colour dialog
    void Command16_Click(); // 縦書き: one character a line
    void Command11_Click(); // 決定: log and draw the text
    void Command9_Click();  // 取消: erase drawn text, log "文字消去"
    void Command7_Click();  // 織込: fix drawn text, log "文字織込"
    void Command13_Click(); // 閉じる: fix, then leave text mode

    // Erases drawn text without logging (replay of "文字消去").
    void clearTextLayer();

private:
    platform::Surface &woven();
    void connectPanel();

    workspace::Workspace &m_ws;
    platform::Dialogs &m_dialogs;
    TextModeFlags m_flags;
    TextPanel *m_panel = nullptr;
    TextBox *m_box = nullptr;
    TextPlacement *m_placement = nullptr;
};

} // namespace weftara::textweave
