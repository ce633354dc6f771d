#include "support/exiforientation.h"

#include <QBuffer>
#include <QPoint>

namespace weftara::testing {

QImage storedForOrientation(const QImage &upright, int orientation)
{
    const int w = upright.width();
    const int h = upright.height();
    QImage stored(orientation >= 5 ? QSize(h, w) : QSize(w, h), upright.format());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // Values 5 to 8 store the rows as columns: row 0 is shown as the
            // left (5, 8) or right (6, 7) column, column 0 as the top (5, 6)
            // or bottom (7, 8) row.
            QPoint at(x, y);
            switch (orientation) {
            case 2: at = {w - 1 - x, y}; break;
            case 3: at = {w - 1 - x, h - 1 - y}; break;
            case 4: at = {x, h - 1 - y}; break;
            case 5: at = {y, x}; break;
            case 6: at = {y, w - 1 - x}; break;
            case 7: at = {h - 1 - y, w - 1 - x}; break;
            case 8: at = {h - 1 - y, x}; break;
            default: break;
            }
            stored.setPixel(at, upright.pixel(x, y));
        }
    }
    return stored;
}

QByteArray jpegWithOrientation(const QImage &stored, int orientation)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    stored.save(&buffer, "JPEG", 95);

    // A big-endian TIFF block with one entry: tag 0x0112 (orientation),
    // type 3 (SHORT), count 1, the value, then no next block.
    QByteArray exif = QByteArray("Exif\0\0", 6) + QByteArray("MM\0\x2a\0\0\0\x08", 8) + QByteArray("\0\x01", 2)
        + QByteArray("\x01\x12\0\x03\0\0\0\x01", 8) + char(0) + char(orientation) + QByteArray(2 + 4, '\0');
    const int length = int(exif.size()) + 2;
    const QByteArray segment = QByteArray("\xff\xe1", 2) + char(length >> 8) + char(length & 0xff) + exif;
    QByteArray jpeg = buffer.data();
    return jpeg.insert(2, segment); // right after the start-of-image marker
}

} // namespace weftara::testing
