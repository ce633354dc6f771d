#pragma once

#include "engine/filters.h"
#include "engine/weaveselect.h"
#include "workspace/workspace.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace weftara::sessions {

// What a user does in one step of a session, as the operation log can
// record it. Each has a short text form ("base 1", "tone -20",
// "ratio-box  70"), so that a session reads and parses as one line and a
// failing one can be kept as a regression case.
enum class Action {
    ChooseBase,      // "base N": the base collection's tab, then its thumbnail N
    ChoosePattern,   // "pattern N"
    ClickTab,        // "tab N" (1 to 5)
    MoveWeaveRatio,  // "ratio N": the weave ratio slider
    TypeWeaveRatio,  // "ratio-box TEXT"
    PressWeave,      // "weave": the button "織込比"
    TickOption,      // "tick light" / "tick dark"
    UntickOption,    // "untick light" / "untick dark"
    CloseOptions,    // "close-options": the options panel's "×"
    MoveThreshold,   // "threshold light N"
    TypeThreshold,   // "threshold-box dark TEXT"
    PressEffect,     // "effect gray", "effect fade-left", …
    MoveColorStep,   // "step N"
    TypeColorStep,   // "step-box TEXT"
    PressChannel,    // "channel red-up", …
    MoveTone,        // "tone N"
    ApplyTone,       // "tone-box TEXT": typed, then "濃淡"
    MoveZoom,        // "zoom N"
    ApplyZoom,       // "zoom-box TEXT": typed, then "ｽﾞｰﾑ"
    ToggleTextMode,  // "text-mode": the menu item
    PlaceTextBox,    // "place X Y": a click on the woven picture
    TypeText,        // "text TEXT", "|" for a line break
    TypeFontSize,    // "font-size TEXT"
    ChooseColor,     // "color #rrggbb", through the colour dialog
    ChooseFontStyle, // "font-style bold italic" (any of bold, italic, underline, or "plain")
    WriteVertically, // "vertical"
    DrawText,        // "draw": "決定"
    EraseText,       // "erase": "取消"
    FixText,         // "fix": "織込"
    CloseTextPanel,  // "close-text": "閉じる"
    ReplayLog,       // "replay": the log stored as a recipe and replayed in the same window
};

struct Operation
{
    Action action = Action::ChooseBase;
    int number = 0; // thumbnail, tab, slider value, or x
    int y = 0;
    engine::WeavePart part = engine::WeavePart::Light;
    workspace::EffectButton effect = workspace::EffectButton::Gray;
    engine::ChannelStep channel = engine::ChannelStep::BlueUp;
    QString text;

    QString toText() const;
    static std::optional<Operation> parse(QStringView text);

    bool operator==(const Operation &) const = default;
};

using Session = QList<Operation>;

// The operations joined by "; ".
QString toText(const Session &session);
// nullopt when any operation does not parse.
std::optional<Session> parseSession(QStringView text);

} // namespace weftara::sessions
