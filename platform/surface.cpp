#include "platform/surface.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace weftara::platform {

namespace {

// 96 dots per inch, so that font sizes in points give the same pixels on
// every screen.
constexpr int DotsPerMeter = 3780;

// Setting the resolution of an image that shares its pixels copies them:
// it is set only where it differs.
void setResolution(QImage &image)
{
    if (image.dotsPerMeterX() != DotsPerMeter)
        image.setDotsPerMeterX(DotsPerMeter);
    if (image.dotsPerMeterY() != DotsPerMeter)
        image.setDotsPerMeterY(DotsPerMeter);
}

QImage blankImage(QSize size, const QColor &back)
{
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    setResolution(image);
    image.fill(back);
    return image;
}

// The largest width or height a surface takes, that of a widget, so that its
// views can follow it.
constexpr int MaximumExtent = (1 << 24) - 1;

// Copies the overlapping top-left area byte for byte (all four bytes).
void copyTopLeft(const QImage &from, QImage &to)
{
    const int columns = std::min(from.width(), to.width());
    const int rows = std::min(from.height(), to.height());
    if (columns <= 0 || rows <= 0)
        return;
    const auto bytes = static_cast<std::size_t>(columns) * 4;
    for (int y = 0; y < rows; ++y)
        std::memcpy(to.scanLine(y), from.constScanLine(y), bytes);
}

QImage asRgb32(const QImage &image)
{
    return image.format() == QImage::Format_RGB32 ? image
                                                  : image.convertToFormat(QImage::Format_RGB32);
}

QFontMetricsF metricsOf(const QFont &font)
{
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(DotsPerMeter);
    device.setDotsPerMeterY(DotsPerMeter);
    return QFontMetricsF(font, &device);
}

} // namespace

Surface::Surface(QObject *parent)
    : QObject(parent)
{
}

QImage &Surface::image()
{
    syncImage();
    return m_image;
}

const QImage &Surface::image() const
{
    syncImage();
    return m_image;
}

void Surface::syncImage() const
{
    const QSize wanted = size();
    if (m_image.size() == wanted && m_image.format() == QImage::Format_RGB32) {
        setResolution(m_image);
        return;
    }
    QImage fresh = blankImage(wanted, m_backColor);
    if (!fresh.isNull() && !m_image.isNull())
        copyTopLeft(asRgb32(m_image), fresh);
    m_image = fresh;
}

void Surface::compose()
{
    const QSize wanted = size();
    if (hasPicture() && m_picture.size() == wanted) {
        // The picture covers the surface: the image shares its pixels, and
        // the first write to the image copies them.
        m_image = m_picture;
    } else if (m_image.size() == wanted && m_image.format() == QImage::Format_RGB32 && m_image.isDetached()) {
        // An image of the right size that nothing else holds is reused
        // rather than allocated again.
        m_image.fill(m_backColor);
        if (hasPicture())
            copyTopLeft(m_picture, m_image);
    } else if (!hasPicture()) {
        // Plain back colour: made when the image is next needed, at the
        // size the surface has then (syncImage), so that a surface emptied
        // and then resized or given a picture never fills pixels in vain.
        m_image = QImage();
    } else {
        QImage fresh = blankImage(wanted, m_backColor);
        if (!fresh.isNull() && hasPicture())
            copyTopLeft(m_picture, fresh);
        m_image = fresh;
    }
    update();
}

void Surface::setPicture(QImage picture)
{
    if (picture.isNull()) {
        clearPicture();
        return;
    }
    m_picture = picture.format() == QImage::Format_RGB32 ? std::move(picture)
                                                          : picture.convertToFormat(QImage::Format_RGB32);
    // At the image's resolution, so that the image can share the picture's
    // pixels.
    setResolution(m_picture);
    if (m_autoSize && size() != m_picture.size()) {
        // The image is composed again below: it is not brought to the new
        // size first.
        m_image = QImage();
        resize(m_picture.size());
    }
    compose();
}

void Surface::clearPicture()
{
    m_picture = QImage();
    compose();
}

void Surface::cls()
{
    compose();
}

void Surface::fixDrawing()
{
    m_picture = image();
}

void Surface::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on && hasPicture())
        setPixelSize(m_picture.width(), m_picture.height());
}

void Surface::setPixelSize(int width, int height)
{
    resize(width, height);
    syncImage();
}

void Surface::setGeometry(const QRect &geometry)
{
    const QRect wanted(geometry.topLeft(), QSize(std::clamp(geometry.width(), 0, MaximumExtent),
                                                 std::clamp(geometry.height(), 0, MaximumExtent)));
    if (wanted == m_geometry)
        return;
    const bool resized = wanted.size() != m_geometry.size();
    m_geometry = wanted;
    // An image still to be made is made at the size the surface has when
    // it is needed.
    if (resized && !m_image.isNull())
        syncImage();
    emit geometryChanged(m_geometry);
}

void Surface::setVisible(bool visible)
{
    if (visible == !m_hidden)
        return;
    m_hidden = !visible;
    emit visibilityChanged(visible);
}

void Surface::stretchDraw(const QImage &source, const QRectF &target, Stretch mode)
{
    QImage &canvas = image();
    if (canvas.isNull() || source.isNull() || target.isEmpty())
        return;
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, mode == Stretch::Smooth);
    painter.drawImage(target, source, QRectF(source.rect()));
    painter.end();
    update();
}

void Surface::printLine(const QString &text)
{
    const QFontMetricsF metrics = metricsOf(m_textFont);
    QImage &canvas = image();
    if (!text.isEmpty() && !canvas.isNull()) {
        QPainter painter(&canvas);
        painter.setFont(m_textFont);
        painter.setPen(m_foreColor);
        painter.drawText(QPointF(m_currentX, m_currentY + metrics.ascent()), text);
        painter.end();
        update();
    }
    m_currentY += metrics.lineSpacing();
    m_currentX = 0.0;
}

void Surface::refresh()
{
    // Painted when the event loop next runs: the steps of one handler or of
    // a replay are painted once, and a surface that is hidden by then not
    // at all.
    update();
}

Surface::Contents Surface::contents() const
{
    return {m_picture, m_image, size(), m_autoSize};
}

void Surface::restore(const Contents &contents)
{
    m_picture = contents.picture;
    m_image = contents.image;
    m_autoSize = contents.autoSize;
    resize(contents.size);
    update();
}

bool Surface::holdsImage() const
{
    return size().isEmpty() || !image().isNull();
}

} // namespace weftara::platform
