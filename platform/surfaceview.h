#pragma once

#include "platform/surface.h"

#include <QPointer>
#include <QWidget>

namespace weftara::platform {

// Shows a surface: takes its place and visibility, paints the exposed part
// of its image and reports mouse activity to it. Nothing is drawn here;
// the surface is drawn on and the view follows.
class SurfaceView : public QWidget
{
    Q_OBJECT

public:
    // The view takes the surface's object name, place and visibility.
    SurfaceView(Surface &surface, QWidget *parent);

    Surface *surface() const { return m_surface; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The surface may belong to an object that goes before the view.
    QPointer<Surface> m_surface;
};

} // namespace weftara::platform
