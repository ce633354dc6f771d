#pragma once

#include "platform/surface.h"

#include <utility>

namespace weftara::workspace {

class Workspace;

// Runs an engine operation on the surface's image. A picture operation's
// result becomes the surface's picture, so that clearing the drawing later
// (text erasing) keeps it. The surface is redrawn in every case, also when
// the engine could not read the image.
template <class Operation>
bool runOnPicture(platform::Surface &surface, Operation &&operation)
{
    const bool done = surface.rewritePicture(std::forward<Operation>(operation));
    surface.refresh();
    return done;
}

// Shows the selected tab's surface and hides the other tab surfaces.
void showTabSurface(Workspace &ws);

} // namespace weftara::workspace
