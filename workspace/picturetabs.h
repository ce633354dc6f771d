#pragma once

#include <QWidget>

class QScrollArea;
class QTabBar;

namespace weftara::workspace {

// Holds the picture surfaces at its top left and grows to the bounding
// rectangle of the visible ones, so that the scroll area around it can
// bring a picture larger than the view into sight. The surfaces themselves
// are never moved, resized or redrawn for that.
class PictureCanvas : public QWidget
{
    Q_OBJECT

public:
    explicit PictureCanvas(QWidget *parent = nullptr);

    // Resizes the canvas to its visible children (at least 1 × 1 pixel).
    void updateExtent();

protected:
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The tab strip TabStrip1 with its five tabs ("元絵集", "柄絵集", "元絵",
// "柄絵", "織込") over the picture area: a scroll view whose canvas stacks
// the picture surfaces at the client area's top left.
class PictureTabs : public QWidget
{
    Q_OBJECT

public:
    static constexpr int TabCount = 5;

    explicit PictureTabs(QWidget *parent = nullptr);

    QTabBar *TabStrip1() const { return m_tabStrip; }
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
