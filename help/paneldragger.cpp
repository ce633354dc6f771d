#include "help/paneldragger.h"

#include "platform/numbertext.h"
#include "platform/twips.h"

#include <QMouseEvent>
#include <QWidget>

namespace weftara::help {

namespace {

QPointF twipsOf(const QPointF &pixels)
{
    return pixels * platform::TwipsPerPixel;
}

} // namespace

PanelDragger::PanelDragger(QWidget *title, QWidget *panel, Raise raise)
    : QObject(title)
    , m_panel(panel)
    , m_raise(raise)
{
    m_moveTimer.setInterval(TickMilliseconds);
    connect(&m_moveTimer, &QTimer::timeout, this, &PanelDragger::onMoveTimeout);
    title->installEventFilter(this);
    title->setCursor(Qt::SizeAllCursor);
}

void PanelDragger::onTitlePressed(QPointF at)
{
    m_titleHeld = true;
    m_grabPoint = {platform::roundToInt32(at.x()), platform::roundToInt32(at.y())};
    if (m_raise == Raise::OnPress)
        m_panel->raise();
}

void PanelDragger::onTitleMoved(QPointF at)
{
    if (at.y() > BandTwips || !m_titleHeld || m_movedThisTick)
        return;
    m_movedThisTick = true;
    m_moveTimer.start();

    // The title moves with its panel, so the pointer's offset from the grab
    // point is how far the panel must go to stay under it.
    const QPointF panelTwips = twipsOf(m_panel->pos());
    const std::int32_t left = platform::roundToInt32(at.x() - m_grabPoint.x() + panelTwips.x());
    const std::int32_t top = platform::roundToInt32(at.y() - m_grabPoint.y() + panelTwips.y());
    QPoint to = m_panel->pos();
    if (left > 0)
        to.setX(platform::twipsToPixels(left));
    if (top > 0)
        to.setY(platform::twipsToPixels(top));
    // The panel repaints at its new place on its own; events are not run
    // here, so a drag cannot re-enter itself.
    m_panel->move(to);
}

void PanelDragger::onTitleReleased()
{
    m_titleHeld = false;
}

void PanelDragger::onMoveTimeout()
{
    m_movedThisTick = false;
    m_moveTimer.stop();
}

bool PanelDragger::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        onTitlePressed(twipsOf(static_cast<QMouseEvent *>(event)->position()));
        return true;
    case QEvent::MouseMove:
        onTitleMoved(twipsOf(static_cast<QMouseEvent *>(event)->position()));
        return true;
    case QEvent::MouseButtonRelease:
        onTitleReleased();
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace weftara::help
