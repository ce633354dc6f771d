#pragma once

#include "recipes/replaytarget.h"

#include <QStringList>

namespace weftara::recipes {

// Replays one recipe block (`KotobaSaisei`). `LstlogBack` holds the block's
// lines in file order: header, description, the operation-log lines, end
// line. The log is emptied, the description shown, and every command line is
// executed through `target` in order; its parameter lines are fetched by
// fixed distance backwards. Lines that match no command are passed over.
// A command whose parameter lines are missing (before the first line, or
// shorter than their key), whose numbers do not fit their type, or whose
// picture number or button index is out of range is skipped as a whole.
void KotobaSaisei(const QStringList &LstlogBack, ReplayTarget &target);

} // namespace weftara::recipes
