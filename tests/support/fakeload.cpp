#include "support/fakeload.h"

#include "platform/surface.h"
#include "workspace/workspace.h"

namespace weftara::testing {

void fakeBaseLoad(workspace::Workspace &ws, const QImage &picture)
{
    for (int k : {1, 2})
        ws.Picture1(k).clearPicture();
    for (int k : {0, 1, 2})
        ws.Picture3(k).clearPicture();
    platform::Surface &base = ws.Picture1(0);
    base.setAutoSize(true);
    base.setPicture(picture);
    ws.Picture3(0).setPicture(picture);
    ws.flags().FlgState = {0, 0, 0};
    ws.flags().GaraeSentakuFlg = false;
    ws.LstLog().clear();
    ws.LstLog().append(QStringLiteral("Motoe=C:\\Motoe\\base.bmp"));
    ws.selectTab(workspace::TabMotoe);
    ws.flags().MotoeSentakuFlg = true;
    ws.flags().OrikomiFlg = false;
}

} // namespace weftara::testing
