#include "collections/picturefile.h"

#include "collections/exifthumbnail.h"
#include "collections/picturepath.h"
#include "heif/heifreader.h"
#include "platform/filenames.h"
#include "platform/picturememory.h"

#include <QColorSpace>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <cmath>
#include <utility>

namespace weftara::collections {

namespace {

QImage toOpaqueRgb32(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    return opaque;
}

struct ScaleRequest
{
    QSize size;              // invalid: the picture's own size
    bool keepAspect = false; // fit within `size` instead of stretching to it
};

PictureFile failure(PictureError error, QSize fullSize = {})
{
    PictureFile result;
    result.error = error;
    result.fullSize = fullSize;
    return result;
}

// Qt refuses pictures over 128 MB of its own accord (a 50-megapixel photo);
// the limit here is the program's own, so Qt's is raised to the largest
// picture allowed at eight bytes a pixel (16 bits a channel).
void raiseQtAllocationLimit()
{
    static const bool raised = [] {
        QImageReader::setAllocationLimit(int(platform::MaxPicturePixels * 8 / (1024 * 1024)));
        return true;
    }();
    (void)raised;
}

// Turns pictures tagged with another colour space (phones write Display P3)
// into sRGB, so that they look as in other viewers and the weave mixes sRGB
// values. A bare gamma of 2.2 is how older programs said sRGB.
void convertToSrgb(QImage &image)
{
    const QColorSpace space = image.colorSpace();
    const bool srgb = !space.isValid() || space == QColorSpace::SRgb
        || (space.primaries() == QColorSpace::Primaries::SRgb
            && space.transferFunction() == QColorSpace::TransferFunction::Gamma
            && std::abs(space.gamma() - 2.2f) < 0.01f);
    if (!srgb)
        image.convertToColorSpace(QColorSpace::SRgb);
}

bool isPalette(QImage::Format format)
{
    return format == QImage::Format_Indexed8 || format == QImage::Format_Mono || format == QImage::Format_MonoLSB;
}

// A damaged palette picture may use entries past its colour table, which
// Qt's scaling and conversion then read beyond; those pixels become black.
void completeColorTable(QImage &image)
{
    if (!isPalette(image.format()))
        return;
    const int entries = image.format() == QImage::Format_Indexed8 ? 256 : 2;
    QList<QRgb> table = image.colorTable();
    if (table.size() >= entries)
        return;
    table.resize(entries, qRgb(0, 0, 0));
    image.setColorTable(table);
}

// The size a picture of upright size `upright` is read at: `request.size`
// itself, or when the aspect ratio is kept, the largest size of the picture's
// shape within it (never larger than the picture).
QSize targetSize(QSize upright, const ScaleRequest &request)
{
    if (!request.size.isValid() || !request.keepAspect)
        return request.size;
    if (upright.isEmpty())
        return {}; // known only once decoded
    if (upright.width() <= request.size.width() && upright.height() <= request.size.height())
        return upright;
    return upright.scaled(request.size, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// The picture upright, at the requested size where the format can decode at
// reduced scale.
PictureFile decodeWithQt(QFile &file, const ScaleRequest &request, QSize &target)
{
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        return failure(reader.error() == QImageReader::DeviceError ? PictureError::Unreadable
                                                                   : PictureError::NotAPicture);
    }
    // The reader scales before it turns the picture.
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const QSize fullSize = turned ? reader.size().transposed() : reader.size();
    if (!platform::pictureFits(fullSize))
        return failure(PictureError::TooLarge, fullSize);
    target = targetSize(fullSize, request);
    PictureFile result;
    result.fullSize = fullSize;
    if (target.isValid() && reader.format() == "jpeg") {
        // A camera's own thumbnail, when it is as large as asked for,
        // spares decoding the whole picture.
        result.image = readExifThumbnail(file, reader.size());
        if (result.image.width() >= target.width() && result.image.height() >= target.height())
            return result;
    }
    // Formats that decode at reduced scale do so; the others are stretched
    // in pictureFromImage, once a palette picture's colour table is checked.
    if (target.isValid() && reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(turned ? target.transposed() : target);
    if (!reader.read(&result.image) || result.image.isNull())
        return failure(PictureError::Corrupt);
    return result;
}

PictureFile decodeHeif(const QString &path, const ScaleRequest &request, QSize &target)
{
    const heif::HeifReader reader(path);
    if (!platform::pictureFits(reader.size()))
        return failure(PictureError::TooLarge, reader.size());
    target = targetSize(reader.size(), request);
    PictureFile result;
    result.fullSize = reader.size();
    result.image = reader.read(target);
    if (result.image.isNull())
        return failure(PictureError::Corrupt);
    return result;
}

PictureFile read(const QString &path, const ScaleRequest &request)
{
    raiseQtAllocationLimit();
    if (!pictureFileExists(path))
        return failure(PictureError::Missing);
    QFile file;
    if (!platform::openForReading(file, path))
        return failure(PictureError::Unreadable);
    const bool heif = heif::isHeif(file.read(64));
    if (!file.seek(0))
        return failure(PictureError::Unreadable);

    QSize target;
    PictureFile result = heif ? decodeHeif(path, request, target) : decodeWithQt(file, request, target);
    if (!result.ok())
        return result;
    // Formats that do not tell their size before decoding are measured now.
    if (!result.fullSize.isValid() && !request.size.isValid())
        result.fullSize = result.image.size();
    if (!platform::pictureFits(result.fullSize) || !platform::pictureFits(result.image.size()))
        return failure(PictureError::TooLarge, result.fullSize.isValid() ? result.fullSize : result.image.size());
    if (request.keepAspect && !target.isValid())
        target = targetSize(result.image.size(), request);
    const QSize fullSize = result.fullSize;
    result = pictureFromImage(std::move(result.image), target);
    result.fullSize = fullSize;
    return result;
}

} // namespace

PictureFile pictureFromImage(QImage image, QSize size)
{
    completeColorTable(image);
    // Qt's reader stretches to the size itself; a HEIF picture, whole or its
    // stored thumbnail, and a picture from the thumbnail cache are stretched here.
    if (size.isValid() && !size.isEmpty() && image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    convertToSrgb(image);
    PictureFile result;
    result.image = toOpaqueRgb32(image);
    if (result.image.isNull())
        return failure(PictureError::Corrupt);
    return result;
}

bool looksLikePicture(const QString &path)
{
    if (!pictureFileExists(path))
        return false;
    QFile file;
    if (!platform::openForReading(file, path))
        return false;
    if (heif::isHeif(file.read(64)))
        return true;
    if (!file.seek(0))
        return false;
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    return reader.canRead();
}

PictureFile readPictureFile(const QString &path)
{
    return read(path, {});
}

PictureFile readPictureScaled(const QString &path, QSize size)
{
    return read(path, {size.isEmpty() ? QSize() : size, false});
}

PictureFile readPictureWithin(const QString &path, QSize bound)
{
    return read(path, {bound.isEmpty() ? QSize() : bound, true});
}

} // namespace weftara::collections
