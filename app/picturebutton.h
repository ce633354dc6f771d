#pragma once

#include <QLabel>

namespace weftara::app {

// A picture that acts as a button: a click (press and release on it)
// sends clicked().
class PictureButton : public QLabel
{
    Q_OBJECT

public:
    explicit PictureButton(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace weftara::app
