#pragma once

#include "textweave/placedtext.h"
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

// Text mode: the text panel in place of the control panel, the text box on
// the woven picture, and the panel's handlers. Drawn text goes into the
// woven picture's drawing layer, where "取消" can erase it until "織込" or
// "閉じる" fixes it into the picture.
//
// The panel is created beside the control panel (same parent), the text box
// on the woven picture; both belong to those parents.
class TextWeaver : public QObject
{
    Q_OBJECT

public:
    TextWeaver(workspace::Workspace &ws, platform::Dialogs &dialogs, QObject *parent = nullptr);

    TextPanel &textPanel() { return *m_panel; }
    TextBox &textBox() { return *m_box; }
    PlacedText &placedText() { return m_placed; }
    bool textMode() const { return m_placed.textMode(); }
    // Whether the text panel is shown (its own visibility, as the window's
    // other panels ask it).
    bool panelShown() const;

    // Menu "文字の織り込み": switches text mode on, or off without fixing.
    // During recipe replay it only ever switches text mode on, and the
    // panel stays hidden.
    void toggleTextMode();
    // Leaves text mode without fixing: hides the panel and the text box and
    // shows the control panel again (a base picture chosen, a replay
    // finished in text mode).
    void endTextPlacement();
    // After a recipe replay (no longer replaying): a replay that ended in
    // text mode leaves it, so that the control panel is back.
    void replayFinished();

    void chooseFont();
    void showFontSizes();
    void onFontSizeClicked(QListWidgetItem *item);
    // The text box's font size := the number in the font size box.
    void onFontSizeEdited();
    void chooseTextColor();
    // One character a line.
    void writeVertically();
    // "決定": shows the woven picture (weaving it again if it is out of
    // date), logs the text and draws it into the woven picture's drawing.
    void drawText();
    // "取消": erases drawn text and logs it.
    void eraseText();
    // "織込": fixes drawn text into the woven picture and logs it.
    void fixText();
    // "閉じる": fixes, then leaves text mode.
    void closeTextPanel();

private:
    platform::Surface &woven();
    void connectPanel();
    void showControlPanel(bool shown);
    // Shows text mode entered or left: the panel and the box in place of
    // the control panel, or the control panel again.
    void showTextMode(bool on);

    workspace::Workspace &m_ws;
    platform::Dialogs &m_dialogs;
    TextModeFlags m_flags;
    PlacedText m_placed;
    TextPanel *m_panel = nullptr;
    TextBox *m_box = nullptr;
};

} // namespace weftara::textweave
