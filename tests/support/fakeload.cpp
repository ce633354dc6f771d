#include "support/fakeload.h"

#include "platform/surface.h"
#include "recipes/loggroups.h"
#include "workspace/workspace.h"

namespace weftara::testing {

void fakeBaseLoad(workspace::Workspace &ws, const QImage &picture)
{
    using workspace::Picture;
    for (const Picture each : {Picture::Pattern, Picture::Woven})
        ws.picture(each).clearPicture();
    for (const Picture each : workspace::Pictures)
        ws.copy(each).clearPicture();
    platform::Surface &base = ws.picture(Picture::Base);
    base.setAutoSize(true);
    base.setPicture(picture);
    ws.copy(Picture::Base).setPicture(picture);
    ws.flags().copyState.fill(workspace::CopyState::Loaded);
    ws.flags().patternLoaded = false;
    recipes::recordBaseLoad(ws.log(), QStringLiteral("C:\\Motoe\\base.bmp"));
    ws.selectTab(workspace::Tab::Base);
    ws.flags().baseLoaded = true;
    ws.flags().wovenUpToDate = false;
}

} // namespace weftara::testing
