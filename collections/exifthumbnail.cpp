#include "collections/exifthumbnail.h"

#include <QBuffer>
#include <QIODevice>
#include <QImageReader>
#include <QTransform>

#include <libexif/exif-data.h>

#include <cstdlib>
#include <memory>

namespace weftara::collections {

namespace {

// The EXIF block is an APP1 segment near the start of the file, at most
// 64 KB long; the segments before it (JFIF, a colour profile) are small.
constexpr qint64 HeadBytes = 128 * 1024;

struct ExifDataRelease
{
    void operator()(ExifData *data) const { exif_data_unref(data); }
};
using ExifDataPointer = std::unique_ptr<ExifData, ExifDataRelease>;

// EXIF orientation 1 to 8: the stored picture turned upright.
QImage turnedUpright(const QImage &stored, int orientation)
{
    const auto rotated = [&stored](int degrees) { return stored.transformed(QTransform().rotate(degrees)); };
    switch (orientation) {
    case 2: return stored.mirrored(true, false);
    case 3: return stored.mirrored(true, true);
    case 4: return stored.mirrored(false, true);
    case 5: return rotated(90).mirrored(true, false);
    case 6: return rotated(90);
    case 7: return rotated(270).mirrored(true, false);
    case 8: return rotated(270);
    default: return stored;
    }
}

int orientationOf(ExifData *data)
{
    ExifEntry *entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components != 1 || entry->size < 2)
        return 1;
    return exif_get_short(entry->data, exif_data_get_byte_order(data));
}

// Whether a thumbnail of `thumbnail` has the shape of the picture, to
// within a pixel or two of rounding.
bool sameShape(QSize thumbnail, QSize picture)
{
    if (thumbnail.isEmpty() || picture.isEmpty())
        return false;
    const qint64 expectedWidth = (qint64(picture.width()) * thumbnail.height() + picture.height() / 2) / picture.height();
    return std::abs(expectedWidth - thumbnail.width()) <= 2;
}

} // namespace

QImage readExifThumbnail(QIODevice &file, QSize storedSize)
{
    const qint64 position = file.pos();
    if (!file.seek(0))
        return {};
    const QByteArray head = file.read(HeadBytes);
    file.seek(position);
    if (!head.startsWith("\xff\xd8"))
        return {};
    // libexif finds the APP1 segment in the JPEG stream itself.
    const ExifDataPointer data(
        exif_data_new_from_data(reinterpret_cast<const unsigned char *>(head.constData()), unsigned(head.size())));
    if (!data || !data->data || data->size == 0)
        return {};

    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data->data), qsizetype(data->size));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoTransform(false);
    QImage thumbnail;
    if (!reader.read(&thumbnail) || !sameShape(thumbnail.size(), storedSize))
        return {};
    return turnedUpright(thumbnail, orientationOf(data.get()));
}

} // namespace weftara::collections
