#pragma once

#include "sessions/sessiondriver.h"

namespace weftara::sessions {

// The log without its window geometry groups, which a resize records and
// replay passes over.
QStringList withoutGeometry(const QStringList &log);

// How a replayed session differs from the one it was made from: each
// picture pixel for pixel (all four bytes), then the logs line for line
// (without window geometry). Empty when they agree.
QStringList sessionDifferences(const SessionSnapshot &made, const SessionSnapshot &replayed);

} // namespace weftara::sessions
