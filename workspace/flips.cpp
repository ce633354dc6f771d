#include "workspace/flips.h"

#include "engine/flip.h"
#include "platform/surface.h"
#include "workspace/surfaceops.h"
#include "workspace/workspace.h"

namespace weftara::workspace {

namespace {

// A flipped picture is no longer what its hidden copy describes: a later
// tone or zoom starts from the flipped picture.
void flip(Workspace &ws, engine::Flip kind)
{
    const std::optional<Picture> target = ws.selectedPicture();
    if (!target)
        return;
    const bool flipped = runOnPicture(ws.picture(*target), [kind](QImage &image) {
        if (image.isNull())
            return false;
        image = engine::flipped(image, kind);
        return true;
    });
    if (flipped)
        ws.flags().copyOutdated(*target);
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
