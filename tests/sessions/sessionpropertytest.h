#pragma once

#include "sessions/roundtrip.h"

#include <QObject>
#include <QTemporaryDir>

// Sessions in the real window, stored as recipes and replayed in a fresh
// window, must come back with the same pictures and the same log. Random
// sessions from fixed seeds (WEFTARA_SESSIONS and WEFTARA_SESSION_SEED
// choose how many and the first seed), and the minimal sessions earlier
// runs failed on, each by its name. Then what a round trip cannot see,
// since made and replayed pictures share it: sessions that must make the
// same picture, and effects that later tones and zooms must keep.
class SessionPropertyTest : public QObject
{
    Q_OBJECT
    using SessionSnapshot = weftara::sessions::SessionSnapshot;

private slots:
    void initTestCase();
    void textForms();
    void randomSessionsReplay();
    void regressions_data();
    void regressions();
    void sessionsAgree_data();
    void sessionsAgree();
    void effectsOutliveToneAndZoom_data();
    void effectsOutliveToneAndZoom();

private:
    weftara::sessions::DriverFactory freshWindow() const;
    QString recipeFile() const;
    // Runs the session in a fresh window and returns what it left.
    SessionSnapshot run(const QString &session);

    QTemporaryDir m_folder;
};
