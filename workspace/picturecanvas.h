#pragma once

#include <QWidget>

namespace weftara::platform {
class Surface;
class SurfaceView;
} // namespace weftara::platform

namespace weftara::workspace {

// Holds the views of the picture surfaces at its top left and grows to the
// bounding rectangle of the visible ones, so that the scroll area around it
// can bring a picture larger than the view into sight. The surfaces
// themselves are never moved, resized or redrawn for that.
class PictureCanvas : public QWidget
{
    Q_OBJECT

public:
    explicit PictureCanvas(QWidget *parent = nullptr);

    // Shows `surface` here, above the views added before.
    platform::SurfaceView *addView(platform::Surface &surface);
    // The view showing `surface`; none when it is not shown here.
    platform::SurfaceView *viewOf(const platform::Surface &surface) const;

    // Resizes the canvas to its visible children (at least 1 × 1 pixel).
    void updateExtent();

protected:
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace weftara::workspace
