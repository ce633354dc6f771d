#include "workspace/surfaceops.h"

#include "workspace/workspace.h"

namespace weftara::workspace {

void showTabSurface(Workspace &ws)
{
    const int shown = Workspace::surfaceOfTab(ws.selectedTab());
    for (int k = 0; k < 5; ++k)
        ws.Picture1(k).setVisible(k == shown);
}

} // namespace weftara::workspace
