#include "workspace/picturecanvas.h"

#include "platform/surfaceview.h"

#include <QChildEvent>
#include <QEvent>

#include <algorithm>

namespace weftara::workspace {

PictureCanvas::PictureCanvas(QWidget *parent)
    : QWidget(parent)
{
    resize(1, 1);
}

platform::SurfaceView *PictureCanvas::addView(platform::Surface &surface)
{
    return new platform::SurfaceView(surface, this);
}

platform::SurfaceView *PictureCanvas::viewOf(const platform::Surface &surface) const
{
    for (platform::SurfaceView *view : findChildren<platform::SurfaceView *>(Qt::FindDirectChildrenOnly)) {
        if (view->surface() == &surface)
            return view;
    }
    return nullptr;
}

void PictureCanvas::updateExtent()
{
    const QRect children = childrenRect(); // hidden children are left out
    const int width = std::max(1, children.isEmpty() ? 1 : children.right() + 1);
    const int height = std::max(1, children.isEmpty() ? 1 : children.bottom() + 1);
    if (size() != QSize(width, height))
        resize(width, height);
}

void PictureCanvas::childEvent(QChildEvent *event)
{
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    QWidget::childEvent(event);
    if (event->removed())
        updateExtent();
}

bool PictureCanvas::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        updateExtent();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace weftara::workspace
