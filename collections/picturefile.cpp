#include "collections/picturefile.h"

#include "collections/picturepath.h"
#include "heif/heifreader.h"
#include "platform/filenames.h"
#include "platform/picturememory.h"

#include <QColorSpace>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <cmath>

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

// The picture upright, at `scaledSize` where the format can decode at reduced
// scale.
PictureFile decodeWithQt(QFile &file, QSize scaledSize)
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
    PictureFile result;
    result.fullSize = fullSize;
    if (scaledSize.isValid())
        reader.setScaledSize(turned ? scaledSize.transposed() : scaledSize);
    if (!reader.read(&result.image) || result.image.isNull())
        return failure(PictureError::Corrupt);
    return result;
}

PictureFile decodeHeif(const QString &path, QSize scaledSize)
{
    const heif::HeifReader reader(path);
    if (!platform::pictureFits(reader.size()))
        return failure(PictureError::TooLarge, reader.size());
    PictureFile result;
    result.fullSize = reader.size();
    result.image = reader.read(scaledSize);
    if (result.image.isNull())
        return failure(PictureError::Corrupt);
    return result;
}

PictureFile read(const QString &path, QSize scaledSize)
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

    PictureFile result = heif ? decodeHeif(path, scaledSize) : decodeWithQt(file, scaledSize);
    if (!result.ok())
        return result;
    QImage &image = result.image;
    // Formats that do not tell their size before decoding are measured now.
    if (!result.fullSize.isValid() && !scaledSize.isValid())
        result.fullSize = image.size();
    if (!platform::pictureFits(result.fullSize) || !platform::pictureFits(image.size()))
        return failure(PictureError::TooLarge, result.fullSize.isValid() ? result.fullSize : image.size());
    // Qt's reader stretches to the size itself; a HEIF picture, whole or its
    // stored thumbnail, is stretched here.
    if (scaledSize.isValid() && image.size() != scaledSize)
        image = image.scaled(scaledSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    convertToSrgb(image);
    image = toOpaqueRgb32(image);
    if (image.isNull())
        return failure(PictureError::Corrupt);
    return result;
}

} // namespace

PictureFile readPictureFile(const QString &path)
{
    return read(path, QSize());
}

PictureFile readPictureScaled(const QString &path, QSize size)
{
    return read(path, size.isEmpty() ? QSize() : size);
}

} // namespace weftara::collections
