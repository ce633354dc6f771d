#pragma once

#include "sessions/sessiondriver.h"

namespace weftara::sessions {

// The tab a replay of `log` stands on when it ends: the one its last
// picture command selected (tab 3 for a log without one).
workspace::Tab replayedTab(const QStringList &log);

// Whether a user can do `op` in this state and the operation log can make
// the same picture again from what it then records. Left out, each with
// the reason the log cannot carry it:
//  - tab 1 empties the log, so the recipe loses the pictures made before;
//  - the tone slider on a collection tab tones the base without the base
//    tab's first shift, and the log records both alike;
//  - a colour button names no picture in the log: replay steps the picture
//    of the tab it stands on, so the user's tab must be that one;
//  - the text mode menu item leaves text mode without fixing drawn text, and
//    entering again fixes it unrecorded.
// Without a log (before the first base) only a base can be chosen, in text
// mode the control panel is hidden, and the text box is placed with a click
// on the woven picture, which only its tab shows.
bool admissible(const Operation &op, const SessionView &view);

} // namespace weftara::sessions
