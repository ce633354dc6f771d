#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

namespace weftara::platform {

void putImageOnClipboard(const QImage &image)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setImage(image);
}

QImage imageOnClipboard()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return {};
    const QImage image = clipboard->image();
    if (image.isNull())
        return {};
    // Transparent parts (a paint program's selection) lie over white.
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter(&opaque).drawImage(0, 0, image);
    return opaque;
}

} // namespace weftara::platform
