#include "recipes/windowlessreplay.h"

#include "recipes/replay.h"
#include "workspace/controlreactions.h"

namespace weftara::recipes {

WindowlessReplay::WindowlessReplay(platform::Dialogs &dialogs, const platform::ProgramFolder &programFolder)
    : m_ws(dialogs)
    , m_sliders(m_ws)
    , m_loading(m_ws, programFolder)
    , m_actions(m_ws, m_sliders, m_loading, m_placed)
{
    workspace::connectReactions(m_ws, m_sliders);
}

void WindowlessReplay::replay(const QStringList &block)
{
    replayOnWorkspace(m_ws, block, m_actions);
}

} // namespace weftara::recipes
