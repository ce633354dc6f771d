#pragma once

#include "sessions/sessiondriver.h"

#include "app/mainwindow.h"
#include "support/scripteddialogs.h"

namespace weftara::sessions {

// A session in the real main window, never shown: every step goes through
// the window's controls and handlers as a user's click or change would.
class WindowSession final : public SessionDriver
{
public:
    explicit WindowSession(const platform::ProgramFolder &programFolder);

    void apply(const Operation &op) override;
    SessionView view() const override;
    SessionSnapshot snapshot() const override;
    QStringList messages() const override { return m_dialogs.messages(); }
    void saveRecipe(const QString &name) override;
    void replayRecipe(const QString &name) override;

private:
    void applyText(const Operation &op);
    workspace::Workspace &workspace() const;

    testing::ScriptedDialogs m_dialogs;
    mutable app::MainWindow m_window;
    int m_replays = 0;
};

// Writes the session folder's collections: three base pictures in "Motoe"
// and three patterns in "Garae", of different sizes, with light, dark and
// mixed parts.
void writeSessionPictures(const QString &programFolder);

} // namespace weftara::sessions
