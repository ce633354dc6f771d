#pragma once

#include <QObject>
#include <QTemporaryDir>

// Sessions in the real window, stored as recipes and replayed in a fresh
// window, must come back with the same pictures and the same log. Random
// sessions from fixed seeds (WEFTARA_SESSIONS and WEFTARA_SESSION_SEED
// choose how many and the first seed), and the minimal sessions earlier
// runs failed on, each by its name.
class SessionPropertyTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textForms();
    void randomSessionsReplay();
    void regressions_data();
    void regressions();

private:
    QTemporaryDir m_folder;
};
