#include "workspace/surfaceops.h"

#include "platform/dialogs.h"
#include "platform/picturememory.h"
#include "workspace/workspace.h"

namespace weftara::workspace {

void showTabSurface(Workspace &ws)
{
    const Tab shown = ws.selectedTab();
    for (const Tab tab : Tabs)
        ws.surfaceOfTab(tab).setVisible(tab == shown);
}

bool pictureAllowed(Workspace &ws, QSize size)
{
    if (platform::pictureFits(size))
        return true;
    ws.dialogs().message(platform::pictureTooLargeMessage(size));
    return false;
}

SurfaceRollback::SurfaceRollback(std::initializer_list<platform::Surface *> surfaces)
{
    for (platform::Surface *surface : surfaces)
        m_kept.emplace_back(surface, surface->contents());
}

bool SurfaceRollback::keepIfMade(Workspace &ws, QSize size, bool made)
{
    for (const auto &[surface, contents] : m_kept)
        made = made && surface->holdsImage();
    if (made)
        return true;
    for (const auto &[surface, contents] : m_kept)
        surface->restore(contents);
    ws.dialogs().message(platform::pictureTooLargeMessage(size));
    return false;
}

} // namespace weftara::workspace
