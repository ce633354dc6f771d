#pragma once

#include "workspace/workspace.h"

namespace weftara::workspace {

// Keeps the zoom and tone sliders' values in the memory of the tab they
// showed (the first tab before any tab change) and puts the tab's own values
// into them without running their reactions.
void swapSliderMemory(Workspace &ws, Tab tab);

// The tab change, for a selection by the user or by code: shows the tab's
// surface, swaps the slider memory, fits a collection sheet to the view and
// hands collection tabs to the collections (the base collection also clears
// the log), and weaves on the woven tab when the woven picture is out of date.
void tabChange(Workspace &ws, Tab tab);

} // namespace weftara::workspace
