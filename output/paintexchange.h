#pragma once

#include <QStringView>

#include <array>

namespace weftara::platform {
class Desktop;
} // namespace weftara::platform

namespace weftara::workspace {
class Workspace;
} // namespace weftara::workspace

namespace weftara::output {

// The paint programs looked for, in this order.
inline constexpr std::array<QStringView, 5> PaintPrograms{u"kolourpaint", u"pinta", u"mtpaint", u"gimp", u"krita"};

// Menu "「ペイント」の起動": puts the woven picture as shown on the clipboard
// and starts the first paint program installed, without waiting for it.
// When none starts, a message names the programs looked for; the picture
// stays on the clipboard.
void sendToPaint(workspace::Workspace &ws, platform::Desktop &desktop);

// Menu "「ペイント」から読み込み": the clipboard's picture becomes the woven
// picture, at the top left of the woven surface, which keeps its size; the
// hidden copies and the log are left alone. Without a picture on the
// clipboard nothing changes.
void takeFromPaint(workspace::Workspace &ws);

} // namespace weftara::output
