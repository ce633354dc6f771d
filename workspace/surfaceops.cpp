#include "workspace/surfaceops.h"

#include "workspace/workspace.h"

namespace weftara::workspace {

void showTabSurface(Workspace &ws)
{
    const Tab shown = ws.selectedTab();
    for (const Tab tab : Tabs)
        ws.surfaceOfTab(tab).setVisible(tab == shown);
}

} // namespace weftara::workspace
