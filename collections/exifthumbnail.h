#pragma once

#include <QImage>
#include <QSize>

class QIODevice;

namespace weftara::collections {

// The small picture a camera stores in a JPEG's EXIF block, turned upright
// as the file's EXIF orientation says. Null when the file carries none, when
// it cannot be decoded, or when its shape is not that of the picture
// (`storedSize`, before turning): some cameras pad the thumbnail of a wide
// picture with black bars.
// `file` is read from its start and left where it was, so that a reader
// already working on it can go on.
QImage readExifThumbnail(QIODevice &file, QSize storedSize);

} // namespace weftara::collections
