#pragma once

namespace weftara::workspace {

class Workspace;

// The flip menu commands: they flip the picture of the selected picture tab
// and do nothing on a collection tab. Nothing is logged and no copy changes.
void flipTopBottom(Workspace &ws);
void flipLeftRight(Workspace &ws);
void flipBoth(Workspace &ws); // a half turn

} // namespace weftara::workspace
