#pragma once

namespace weftara::workspace {

class Workspace;

// Saves the sliders' zoom and tone into the memory of the tab they showed
// (TabSliderNo, 0 counted as 1) and restores tab t's values into them
// without running their reactions. t = 0 resets the memory of every tab.
void TabSliderSwap(Workspace &ws, int t);

// The tab change, for a selection by the user or by code: shows the tab's
// surface, swaps the slider memory, fits a collection sheet to the view
// and hands collection tabs to the collections (tab 1 also clears the log),
// and weaves on tab 5 when the woven picture is out of date.
void tabChange(Workspace &ws, int t);

} // namespace weftara::workspace
