#pragma once

#include <QByteArray>
#include <QImage>

namespace weftara::testing {

// The pixels a file stores for a picture that shows `upright` once turned by
// EXIF orientation `orientation` (1 to 8), from the definition of each value.
QImage storedForOrientation(const QImage &upright, int orientation);

// A JPEG of `stored` whose EXIF block holds only `orientation` and, when
// given, a JPEG of `thumbnail` as cameras store it (stored the same way).
QByteArray jpegWithOrientation(const QImage &stored, int orientation, const QImage &thumbnail = {});

} // namespace weftara::testing
