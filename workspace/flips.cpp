#include "workspace/flips.h"

#include "engine/flip.h"
#include "platform/surface.h"
#include "workspace/surfaceops.h"
#include "workspace/workspace.h"

namespace weftara::workspace {

namespace {

// The snapshot is a local copy: Picture3(k) keeps the untoned or unzoomed
// copy that FlgState says it holds, so a flip never changes what a later
// tone or zoom starts from.
void flip(Workspace &ws, engine::Flip kind)
{
    const int k = Workspace::pictureOfTab(ws.selectedTab());
    if (k < 0)
        return;
    runOnPicture(ws.Picture1(k), [kind](QImage &image) {
        if (image.isNull())
            return false;
        image = engine::flipped(image, kind);
        return true;
    });
}

} // namespace

void mjyouge_Click(Workspace &ws)
{
    flip(ws, engine::Flip::TopBottom);
}

void msayu_Click(Workspace &ws)
{
    flip(ws, engine::Flip::LeftRight);
}

void zentai_Click(Workspace &ws)
{
    flip(ws, engine::Flip::Both);
}

} // namespace weftara::workspace
