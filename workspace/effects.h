#pragma once

#include "engine/filters.h"
#include "workspace/workspace.h"

namespace weftara::workspace {

// The control panel's effect and apply buttons. The effects ("単色", "ｿﾗﾘ",
// "上 F", "左 F", "強調", "右 F") filter the selected tab's picture (the base
// picture on a collection tab) and log it; the picture's hidden copy no
// longer describes it, and a changed base or pattern leaves the woven
// picture out of date. "ｽﾞｰﾑ" and "濃淡" move the zoom or tone slider to the
// number in its box (kept within the slider's range); "織込比" weaves.
void runEffect(Workspace &ws, EffectButton button);

// The colour buttons ("青強" "緑強" "赤強" "青弱" "緑弱" "赤弱"): move one
// channel of the selected tab's picture by the colour step (no picture on a
// collection tab), as an effect does, and always log the colour step group.
void runChannelStep(Workspace &ws, engine::ChannelStep channel);

} // namespace weftara::workspace
