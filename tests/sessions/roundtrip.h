#pragma once

#include "sessions/sessiondriver.h"

#include <functional>
#include <memory>

namespace weftara::sessions {

// A freshly opened program on the session folder (whose recipe file the
// round trip empties first).
using DriverFactory = std::function<std::unique_ptr<SessionDriver>()>;

struct RoundTrip
{
    enum class Outcome {
        Same,         // the replay made the same pictures and log
        Different,    // it did not: see differences
        Inadmissible, // a step was one the rules leave out (sessionrules.h)
    };
    Outcome outcome = Outcome::Same;
    Session session;          // the steps run
    QStringList differences;  // and the replay's messages, when there were any
};

// Runs the session in a fresh program, stores its recipe, replays the
// recipe in another fresh program and compares the two.
RoundTrip roundTrip(const Session &session, const QString &recipeFile, const DriverFactory &fresh);

// The same with a session drawn from `seed` step by step as it runs.
RoundTrip randomRoundTrip(quint32 seed, const QString &recipeFile, const DriverFactory &fresh);

// The failing session with steps taken away for as long as it still fails
// (in halves, quarters, … down to single steps).
Session shrinkSession(const Session &failing, const std::function<bool(const Session &)> &fails);

} // namespace weftara::sessions
