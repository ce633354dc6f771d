#pragma once

#include <QImage>

namespace weftara::workspace {
class Workspace;
} // namespace weftara::workspace

namespace weftara::testing {

// Puts `picture` on the workspace as a base load leaves it, without a file:
// Picture1(0) and its copy Picture3(0) take the picture, the pattern, woven
// picture and other copies are emptied, FlgState is 0, the log holds one
// "Motoe=" line, tab 3 is selected and the base counts as chosen.
void fakeBaseLoad(workspace::Workspace &ws, const QImage &picture);

} // namespace weftara::testing
