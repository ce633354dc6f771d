#include "platform/surface.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace weftara::platform {

namespace {

// 96 dots per inch, so that font sizes in points give the same pixels on
// every screen.
constexpr int DotsPerMeter = 3780;

QImage blankImage(QSize size, const QColor &back)
{
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    image.fill(back);
    return image;
}

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

QPoint pixelAt(QPointF position)
{
    return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

} // namespace

Surface::Surface(QWidget *parent)
    : QWidget(parent)
{
    // Every exposed pixel is painted from the image, and mouse moves are
    // reported with or without a button held.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
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
        if (m_image.dotsPerMeterX() != DotsPerMeter || m_image.dotsPerMeterY() != DotsPerMeter) {
            m_image.setDotsPerMeterX(DotsPerMeter);
            m_image.setDotsPerMeterY(DotsPerMeter);
        }
        return;
    }
    QImage fresh = blankImage(wanted, m_backColor);
    if (!fresh.isNull() && !m_image.isNull())
        copyTopLeft(asRgb32(m_image), fresh);
    m_image = fresh;
}

void Surface::compose()
{
    QImage fresh = blankImage(size(), m_backColor);
    if (!fresh.isNull() && hasPicture())
        copyTopLeft(m_picture, fresh);
    m_image = fresh;
    update();
}

void Surface::setPicture(const QImage &picture)
{
    if (picture.isNull()) {
        clearPicture();
        return;
    }
    m_picture = asRgb32(picture);
    if (m_autoSize)
        resize(m_picture.size());
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
    resize(std::max(0, width), std::max(0, height));
    syncImage();
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
    repaint();
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

void Surface::paintEvent(QPaintEvent *event)
{
    const QImage &shown = image();
    QPainter painter(this);
    const QRect exposed = event->rect() & shown.rect();
    if (!exposed.isEmpty()) {
        // Byte 3 is no colour: paint from a copy of the exposed area with
        // byte 3 set, so that no paint path can read it as alpha.
        QImage part = shown.copy(exposed);
        for (int y = 0; y < part.height(); ++y) {
            auto *pixel = reinterpret_cast<QRgb *>(part.scanLine(y));
            for (int x = 0; x < part.width(); ++x)
                pixel[x] |= 0xFF000000u;
        }
        painter.drawImage(exposed.topLeft(), part);
    }
    const QRegion uncovered = QRegion(event->rect()) - QRegion(exposed);
    for (const QRect &rect : uncovered)
        painter.fillRect(rect, m_backColor);
}

void Surface::resizeEvent(QResizeEvent *event)
{
    syncImage();
    QWidget::resizeEvent(event);
}

void Surface::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), pixelAt(event->position()));
    event->accept();
}

void Surface::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->buttons(), pixelAt(event->position()));
    event->accept();
}

void Surface::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(event->button(), pixelAt(event->position()));
    event->accept();
}

} // namespace weftara::platform
