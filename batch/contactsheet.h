#pragma once

#include <QImage>
#include <QStringList>

namespace weftara::batch {

// A sheet for choosing among results: a thumbnail of every picture file in
// rows, each captioned with its file name. A file that cannot be read gets
// an empty cell with its caption.
QImage contactSheet(const QStringList &files);

} // namespace weftara::batch
