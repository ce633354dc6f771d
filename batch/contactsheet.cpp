#include "batch/contactsheet.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace weftara::batch {

namespace {

constexpr QSize Thumbnail(240, 180);
constexpr int CaptionHeight = 24;
constexpr int Gap = 12;
constexpr int MaxColumns = 8;

// Read at reduced scale where the format can (JPEG decodes a fraction of
// the pixels), so that a sheet of hundreds of large pictures stays quick.
QImage thumbnailOf(const QString &file)
{
    QImageReader reader(file);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid())
        reader.setScaledSize(size.scaled(Thumbnail, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (!image.isNull() && (image.width() > Thumbnail.width() || image.height() > Thumbnail.height()))
        image = image.scaled(Thumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

QImage contactSheet(const QStringList &files)
{
    const int count = std::max(1, int(files.size()));
    const int columns = std::min(MaxColumns, int(std::ceil(std::sqrt(double(count)))));
    const int rows = (count + columns - 1) / columns;
    const QSize cell(Thumbnail.width() + Gap, Thumbnail.height() + CaptionHeight + Gap);
    QImage sheet(columns * cell.width() + Gap, rows * cell.height() + Gap, QImage::Format_RGB32);
    sheet.fill(QColor(250, 250, 250));

    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    for (int i = 0; i < files.size(); ++i) {
        const QPoint corner(Gap + (i % columns) * cell.width(), Gap + (i / columns) * cell.height());
        const QImage thumbnail = thumbnailOf(files[i]);
        const QRect box(corner, Thumbnail);
        painter.fillRect(box, QColor(230, 230, 230));
        if (!thumbnail.isNull()) {
            QRect placed(QPoint(), thumbnail.size());
            placed.moveCenter(box.center());
            painter.drawImage(placed, thumbnail);
        }
        const QRect caption(corner.x(), corner.y() + Thumbnail.height(), Thumbnail.width(), CaptionHeight);
        painter.setPen(QColor(40, 40, 40));
        painter.drawText(caption, Qt::AlignCenter,
                         metrics.elidedText(QFileInfo(files[i]).fileName(), Qt::ElideMiddle, caption.width()));
    }
    return sheet;
}

} // namespace weftara::batch
