#pragma once

#include "sessions/sessiondriver.h"

#include <QRandomGenerator>

namespace weftara::sessions {

// Random sessions: a base first, then operations drawn by weight among
// those admissible in the session's state (sessionrules.h), with values
// chosen to reach the edges (threshold at the slider's own value, boxes
// holding no number, zoom to one percent). The same seed gives the same
// session for the same states.
class SessionGenerator
{
public:
    explicit SessionGenerator(quint32 seed);

    // Operations in the session, its first base included.
    int length() const { return m_length; }
    Operation next(const SessionView &view);

private:
    Operation candidate();

    QRandomGenerator m_random;
    int m_length = 0;
};

} // namespace weftara::sessions
