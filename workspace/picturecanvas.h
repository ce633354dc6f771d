#pragma once

#include <QWidget>

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

} // namespace weftara::workspace
