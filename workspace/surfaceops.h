#pragma once

#include "platform/surface.h"

#include <QSize>

#include <initializer_list>
#include <utility>
#include <vector>

namespace weftara::workspace {

class Workspace;

// Runs an engine operation on the surface's image. A picture operation's
// result becomes the surface's picture, so that clearing the drawing later
// (text erasing) keeps it. The surface is redrawn in every case, also when
// the engine could not read the image.
template <class Operation>
bool runOnPicture(platform::Surface &surface, Operation &&operation)
{
    const bool done = std::forward<Operation>(operation)(surface.image());
    if (done)
        surface.fixDrawing();
    surface.refresh();
    return done;
}

// Shows the selected tab's surface and hides the other tab surfaces.
void showTabSurface(Workspace &ws);

// True when a picture of `size` may be made now; otherwise says so and
// returns false, and the caller leaves its pictures as they are.
bool pictureAllowed(Workspace &ws, QSize size);

// Keeps what surfaces hold while an operation makes new pictures on them,
// so that one whose memory ran out all the same is put back as it was
// instead of being left blank.
class SurfaceRollback
{
public:
    explicit SurfaceRollback(std::initializer_list<platform::Surface *> surfaces);

    // True when `made` (what the operation itself could tell) and every
    // surface holds its image; otherwise puts them all back, says so (for a
    // picture of `size`) and returns false.
    bool keepIfMade(Workspace &ws, QSize size, bool made = true);

private:
    std::vector<std::pair<platform::Surface *, platform::Surface::Contents>> m_kept;
};

} // namespace weftara::workspace
