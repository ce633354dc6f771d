#pragma once

namespace weftara::workspace {

class Workspace;

// The control panel's buttons.
//
// EffectCommand(index) with the Command3 indices: 0 "単色", 1 "ｿﾗﾘ",
// 2 "上 F", 3 "左 F", 4 "強調", 6 "右 F" filter the picture of the selected
// tab (the base picture on a collection tab) and log "SelectedItem=" and
// the command; 7 "ｽﾞｰﾑ" and 8 "濃淡" move the zoom or tone slider to the
// number in its box (kept within the slider's range); 10 "織込比" weaves.
// Any other index does nothing.
void EffectCommand(Workspace &ws, int index);
void Command3_Click(Workspace &ws, int index);

// Command8 0..5 ("青強" "緑強" "赤強" "青弱" "緑弱" "赤弱"): moves one channel
// of the selected tab's picture by the step in Text6 (no picture on a
// collection tab) and always logs the colour step group.
void Command8_Click(Workspace &ws, int index);

// "×": hides the control panel.
void Command2_Click(Workspace &ws);

} // namespace weftara::workspace
