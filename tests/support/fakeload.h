#pragma once

#include <QImage>

namespace weftara::workspace {
class Workspace;
} // namespace weftara::workspace

namespace weftara::testing {

// Puts `picture` on the workspace as a base load leaves it, without a file:
// the base picture and its copy take the picture, the pattern, woven picture
// and other copies are emptied, every copy counts as loaded, the log holds
// one base load line, the base tab is selected and the base counts as chosen.
void fakeBaseLoad(workspace::Workspace &ws, const QImage &picture);
// As a pattern load: the pattern (already the base's size, as tiled) lies
// over the base, and its load is logged.
void fakePatternLoad(workspace::Workspace &ws, const QImage &tiled);

} // namespace weftara::testing
