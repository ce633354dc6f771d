#pragma once

namespace weftara::workspace {

class Sliders;
class Workspace;

// Connects the control values to their reactions: the sliders', the weave
// options' and the tab change. Nothing here needs a widget; the gestures only
// a user makes (button clicks, a click on the selected tab) are the form's.
void connectReactions(Workspace &ws, Sliders &sliders);

} // namespace weftara::workspace
