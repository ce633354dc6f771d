#pragma once

#include <QImage>
#include <QString>

namespace weftara::heif {

struct HeifWriteOptions
{
    int quality = 90;
    int orientation = 1;       // EXIF orientation the file asks for (1: none)
    int thumbnailSize = 0;     // longer side of a thumbnail stored with it; 0: none
    bool colorCodes = false;   // tag Display P3 by colour codes instead of an ICC profile
};

// Writes `image` as HEIC, its pixels as stored; the file's orientation turns
// them on reading. A colour space other than sRGB is written with it.
bool writeHeif(const QString &path, const QImage &image, const HeifWriteOptions &options = {});

} // namespace weftara::heif
