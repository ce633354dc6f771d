#include "workspace/flips.h"

#include "engine/flip.h"
#include "platform/surface.h"
#include "workspace/surfaceops.h"
#include "workspace/workspace.h"

namespace weftara::workspace {

namespace {

// The picture's hidden copy stays as it is, so a flip never changes what a
// later tone or zoom starts from.
void flip(Workspace &ws, engine::Flip kind)
{
    const std::optional<Picture> target = ws.selectedPicture();
    if (!target)
        return;
    runOnPicture(ws.picture(*target), [kind](QImage &image) {
        if (image.isNull())
            return false;
        image = engine::flipped(image, kind);
        return true;
    });
}

} // namespace

void flipTopBottom(Workspace &ws)
{
    flip(ws, engine::Flip::TopBottom);
}

void flipLeftRight(Workspace &ws)
{
    flip(ws, engine::Flip::LeftRight);
}

void flipBoth(Workspace &ws)
{
    flip(ws, engine::Flip::Both);
}

} // namespace weftara::workspace
