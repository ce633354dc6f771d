#pragma once

namespace weftara::workspace {
class Workspace;
} // namespace weftara::workspace

namespace weftara::textweave {

class PlacedText;

// Writing text onto the woven picture, on the workspace alone: the text
// panel's handlers and recipe replay both come here.

// Enters text mode (unless in it already): the woven picture is shown and
// what was drawn on it before is fixed.
void enterTextMode(workspace::Workspace &ws, PlacedText &placed);
// Shows the woven picture (weaving it again if it is out of date), draws the
// placed text into its drawing and logs it; then the placed text is empty.
// False when the picture could not take it (nothing drawn, nothing logged).
bool drawPlacedText(workspace::Workspace &ws, PlacedText &placed);
// "取消": erases drawn text and logs it.
void eraseDrawnText(workspace::Workspace &ws);
// "織込": fixes drawn text into the woven picture and logs it.
void fixDrawnText(workspace::Workspace &ws);

} // namespace weftara::textweave
