#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace weftara::collections {

// The small picture a camera stores in a JPEG's EXIF block, turned upright
// as the file's EXIF orientation says. Null when the file carries none, when
// it cannot be decoded, or when its shape is not that of the picture
// (`storedSize`, before turning): some cameras pad the thumbnail of a wide
// picture with black bars.
QImage readExifThumbnail(const QString &path, QSize storedSize);

} // namespace weftara::collections
