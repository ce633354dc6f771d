#pragma once

#include <QImage>

namespace weftara::platform {

// The system clipboard, for pictures.

// Replaces whatever the clipboard holds with `image`.
void putImageOnClipboard(const QImage &image);

// The clipboard's picture in Format_RGB32; null when it holds none.
QImage imageOnClipboard();

} // namespace weftara::platform
