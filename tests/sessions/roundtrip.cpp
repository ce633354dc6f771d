#include "sessions/roundtrip.h"

#include "sessions/sessioncompare.h"
#include "sessions/sessiongenerator.h"
#include "sessions/sessionrules.h"

#include <QFile>

namespace weftara::sessions {

namespace {

const QString RecipeName = QStringLiteral("往復");

// Stores the live session's recipe, replays it fresh and compares.
RoundTrip finish(SessionDriver &live, Session session, const QString &recipeFile, const DriverFactory &fresh)
{
    RoundTrip trip;
    trip.session = std::move(session);
    live.saveRecipe(RecipeName);
    const SessionSnapshot made = live.snapshot();

    const std::unique_ptr<SessionDriver> replaying = fresh();
    replaying->replayRecipe(RecipeName);
    trip.differences = sessionDifferences(made, replaying->snapshot());
    for (const QString &message : replaying->messages())
        trip.differences << QStringLiteral("replay showed \"%1\"").arg(message);
    QFile::remove(recipeFile);
    trip.outcome = trip.differences.isEmpty() ? RoundTrip::Outcome::Same : RoundTrip::Outcome::Different;
    return trip;
}

} // namespace

RoundTrip roundTrip(const Session &session, const QString &recipeFile, const DriverFactory &fresh)
{
    QFile::remove(recipeFile);
    const std::unique_ptr<SessionDriver> live = fresh();
    for (const Operation &op : session) {
        if (!admissible(op, live->view())) {
            RoundTrip trip;
            trip.outcome = RoundTrip::Outcome::Inadmissible;
            trip.session = session;
            return trip;
        }
        live->apply(op);
    }
    return finish(*live, session, recipeFile, fresh);
}

RoundTrip randomRoundTrip(quint32 seed, const QString &recipeFile, const DriverFactory &fresh)
{
    QFile::remove(recipeFile);
    SessionGenerator generator(seed);
    const std::unique_ptr<SessionDriver> live = fresh();
    Session session;
    for (int i = 0; i < generator.length(); ++i) {
        session << generator.next(live->view());
        live->apply(session.last());
    }
    return finish(*live, session, recipeFile, fresh);
}

Session shrinkSession(const Session &failing, const std::function<bool(const Session &)> &fails)
{
    Session session = failing;
    // Again from the halves while a round took anything away: a step may
    // only become removable once a later one is gone.
    for (qsizetype before = -1; before != session.size();) {
        before = session.size();
        for (qsizetype chunk = session.size() / 2; chunk >= 1; chunk /= 2) {
            for (qsizetype start = 0; start + chunk <= session.size();) {
                Session shorter = session;
                shorter.remove(start, chunk);
                if (fails(shorter))
                    session = shorter;
                else
                    start += chunk;
            }
        }
    }
    return session;
}

} // namespace weftara::sessions
