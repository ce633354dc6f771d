#pragma once

#include "recipes/replayactions.h"

#include <QStringList>

namespace weftara::recipes {

// Replays one recipe block: its lines in file order (header, description,
// the operation-log lines, end line). The log is emptied, the description
// shown, and every command line is executed through `actions` in order; its
// parameter lines are read by their distance before it. Lines that match no
// command are passed over. A command whose parameter lines are missing
// (before the first line, or shorter than their key), whose numbers do not
// fit their type, or whose picture or channel is out of range is skipped as
// a whole.
void replayRecipe(const QStringList &block, ReplayActions &actions);

// Replays the block as the workspace's replay: the workspace counts as
// replaying meanwhile (loaded pictures stay hidden, text mode stays on), and
// the pattern picture is put away first.
void replayOnWorkspace(workspace::Workspace &ws, const QStringList &block, ReplayActions &actions);

} // namespace weftara::recipes
