#pragma once

#include "collections/pictureloading.h"
#include "recipes/workspacereplayactions.h"
#include "textweave/placedtext.h"
#include "workspace/sliders.h"
#include "workspace/workspace.h"

#include <QStringList>

namespace weftara::platform {
class Dialogs;
class ProgramFolder;
} // namespace weftara::platform

namespace weftara::recipes {

// A fresh workspace with everything a replay drives, and no window: its
// sliders and reactions, picture loading from the program's folders, the
// text being placed. Each replay of a batch, and each test that replays
// without a window, starts from one, so that nothing one replay leaves in
// the control values reaches the next.
class WindowlessReplay
{
public:
    WindowlessReplay(platform::Dialogs &dialogs, const platform::ProgramFolder &programFolder);

    // Replays a recipe block as the window's replay does.
    void replay(const QStringList &block);

    workspace::Workspace &workspace() { return m_ws; }

private:
    workspace::Workspace m_ws;
    workspace::Sliders m_sliders;
    collections::PictureLoading m_loading;
    textweave::PlacedText m_placed;
    WorkspaceReplayActions m_actions;
};

} // namespace weftara::recipes
