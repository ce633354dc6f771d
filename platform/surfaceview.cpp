#include "platform/surfaceview.h"

#include "platform/surface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace weftara::platform {

namespace {

QPoint pixelAt(QPointF position)
{
    return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

} // namespace

SurfaceView::SurfaceView(Surface &surface, QWidget *parent)
    : QWidget(parent)
    , m_surface(&surface)
{
    setObjectName(surface.objectName());
    // Every exposed pixel is painted from the image, and mouse moves are
    // reported with or without a button held.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setGeometry(surface.geometry());
    // A visible surface's view shows with its parent.
    if (surface.isHidden())
        hide();

    connect(&surface, &Surface::changed, this, [this](QRect area) { update(area); });
    connect(&surface, &Surface::geometryChanged, this, [this](QRect geometry) { setGeometry(geometry); });
    connect(&surface, &Surface::visibilityChanged, this, &QWidget::setVisible);
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!m_surface) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    const QImage &shown = m_surface->image();
    // Only what is exposed is painted: a large picture in the scrolled view
    // costs no more than the view.
    for (const QRect &rect : event->region()) {
        const QRect exposed = rect & shown.rect();
        if (exposed.isEmpty())
            continue;
        // Byte 3 is no colour: paint from a copy of the exposed area with
        // byte 3 set, so that no paint path can read it as alpha.
        QImage part(exposed.size(), QImage::Format_RGB32);
        if (part.isNull())
            continue;
        const int columns = exposed.width();
        for (int y = 0; y < part.height(); ++y) {
            const auto *from = reinterpret_cast<const QRgb *>(shown.constScanLine(exposed.top() + y)) + exposed.left();
            auto *to = reinterpret_cast<QRgb *>(part.scanLine(y));
            for (int x = 0; x < columns; ++x)
                to[x] = from[x] | 0xFF000000u;
        }
        painter.drawImage(exposed.topLeft(), part);
    }
    const QRegion uncovered = event->region() - QRegion(shown.rect());
    for (const QRect &rect : uncovered)
        painter.fillRect(rect, m_surface->backColor());
}

void SurfaceView::mousePressEvent(QMouseEvent *event)
{
    if (m_surface)
        emit m_surface->mousePressed(event->button(), pixelAt(event->position()));
    event->accept();
}

void SurfaceView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_surface)
        emit m_surface->mouseMoved(event->buttons(), pixelAt(event->position()));
    event->accept();
}

void SurfaceView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_surface)
        emit m_surface->mouseReleased(event->button(), pixelAt(event->position()));
    event->accept();
}

} // namespace weftara::platform
