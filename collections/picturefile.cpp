#include "collections/picturefile.h"

#include "collections/picturepath.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

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

PictureFile failure(PictureError error)
{
    PictureFile result;
    result.error = error;
    return result;
}

PictureFile read(const QString &path, QSize scaledSize)
{
    if (!pictureFileExists(path))
        return failure(PictureError::Missing);
    if (!QFileInfo(path).isReadable())
        return failure(PictureError::Unreadable);

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    if (!reader.canRead()) {
        return failure(reader.error() == QImageReader::DeviceError ? PictureError::Unreadable
                                                                   : PictureError::NotAPicture);
    }
    PictureFile result;
    if (scaledSize.isValid())
        reader.setScaledSize(scaledSize);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return failure(PictureError::Corrupt);
    // Formats that cannot decode at reduced scale are decoded whole and
    // stretched here.
    if (scaledSize.isValid() && image.size() != scaledSize)
        image = image.scaled(scaledSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    result.image = toOpaqueRgb32(image);
    if (result.image.isNull())
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
