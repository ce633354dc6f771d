#pragma once

#include <QImage>

namespace weftara::output {

// The colour bytes of an RGB32 picture alone (Format_RGB888), for what
// leaves the program: files, the printer, the clipboard. The engine leaves
// the fourth byte at 0, and a writer or a paint path could take it for
// transparency.
QImage rgbImage(const QImage &image);

} // namespace weftara::output
