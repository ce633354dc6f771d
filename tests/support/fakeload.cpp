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

void fakePatternLoad(workspace::Workspace &ws, const QImage &tiled)
{
    using workspace::Picture;
    platform::Surface &pattern = ws.picture(Picture::Pattern);
    pattern.setAutoSize(false);
    pattern.setGeometry(ws.picture(Picture::Base).geometry());
    pattern.setPicture(tiled);
    ws.picture(Picture::Woven).setGeometry(ws.picture(Picture::Base).geometry());
    ws.copy(Picture::Woven).setPicture(tiled);
    recipes::recordPatternLoad(ws.log(), QStringLiteral("C:\\Garae\\pattern.bmp"));
    ws.flags().patternLoaded = true;
    ws.flags().wovenUpToDate = false;
}

} // namespace weftara::testing
