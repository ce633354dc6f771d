#pragma once

namespace weftara::workspace {

class Workspace;

// The flip menu commands: they mirror the picture of the selected picture
// tab (3, 4 or 5) and do nothing on a collection tab. Nothing is logged and
// no flag changes.
void mjyouge_Click(Workspace &ws); // 上下の反転: top to bottom
void msayu_Click(Workspace &ws);   // 左右の反転: left to right
void zentai_Click(Workspace &ws);  // 全体の反転: both, a half turn

} // namespace weftara::workspace
