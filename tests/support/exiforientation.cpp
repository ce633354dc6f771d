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

QByteArray jpegWithOrientation(const QImage &stored, int orientation, const QImage &thumbnail)
{
    const auto jpeg = [](const QImage &image) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG", 95);
        return buffer.data();
    };
    const auto bigEndian = [](quint32 value, int bytes) {
        QByteArray out;
        for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
            out += char((value >> shift) & 0xff);
        return out;
    };

    // A big-endian TIFF block. The first directory has one entry: tag
    // 0x0112 (orientation), type 3 (SHORT), count 1, the value. The next
    // one, at offset 26, holds the thumbnail's place and length (tags 0x0201
    // and 0x0202, type 4, LONG), the thumbnail following at offset 56.
    const QByteArray small = thumbnail.isNull() ? QByteArray() : jpeg(thumbnail);
    QByteArray exif = QByteArray("Exif\0\0", 6) + QByteArray("MM\0\x2a\0\0\0\x08", 8) + QByteArray("\0\x01", 2)
        + QByteArray("\x01\x12\0\x03\0\0\0\x01", 8) + char(0) + char(orientation) + QByteArray(2, '\0')
        + bigEndian(small.isEmpty() ? 0 : 26, 4);
    if (!small.isEmpty()) {
        exif += bigEndian(2, 2) + bigEndian(0x0201, 2) + bigEndian(4, 2) + bigEndian(1, 4) + bigEndian(56, 4)
            + bigEndian(0x0202, 2) + bigEndian(4, 2) + bigEndian(1, 4) + bigEndian(quint32(small.size()), 4)
            + bigEndian(0, 4) + small;
    }
    const int length = int(exif.size()) + 2;
    const QByteArray segment = QByteArray("\xff\xe1", 2) + char(length >> 8) + char(length & 0xff) + exif;
    return jpeg(stored).insert(2, segment); // right after the start-of-image marker
}

} // namespace weftara::testing
