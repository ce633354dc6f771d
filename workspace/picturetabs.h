#pragma once

#include <QWidget>

class QScrollArea;
class QTabBar;

namespace weftara::workspace {

class PictureCanvas;

// The tab strip with its five tabs over the picture area: a scroll view
// whose canvas stacks the picture surfaces at the client area's top left.
class PictureTabs : public QWidget
{
    Q_OBJECT

public:
    explicit PictureTabs(QWidget *parent = nullptr);

    QTabBar *tabStrip() const { return m_tabStrip; }
    PictureCanvas *canvas() const { return m_canvas; }
    QScrollArea *view() const { return m_view; }

    // The client area (below the row of tabs) in this widget's coordinates.
    QRect clientRect() const;
    // The part of the client area the view occupies: the client area cut to
    // `limit` (this widget's coordinates), so that the view's scroll bars
    // stay inside the window when the strip reaches past its edges.
    void setViewLimit(const QRect &limit);
    // Size of the view's picture area without scroll bars, in pixels.
    QSize viewportSize() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeView();

    QTabBar *m_tabStrip = nullptr;
    QScrollArea *m_view = nullptr;
    PictureCanvas *m_canvas = nullptr;
    QRect m_viewLimit;
};

} // namespace weftara::workspace
