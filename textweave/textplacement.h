#pragma once

#include <QObject>
#include <QPoint>

namespace weftara::platform {
class Surface;
} // namespace weftara::platform

namespace weftara::textweave {

class TextBox;

struct TextModeFlags
{
    bool sizingBox = false; // the text box is being sized with the mouse
};

// Places and sizes the text box with the mouse on the surface it lies on: a
// press (in text mode, not while sizing) puts the box's top-left corner
// there, moving with the left button held draws the box from that corner,
// the release ends the sizing. Every press also gives the surface the text
// box's font and colour.
class TextPlacement : public QObject
{
    Q_OBJECT

public:
    TextPlacement(platform::Surface &surface, TextBox &box, TextModeFlags &flags,
                  QObject *parent = nullptr);

    void onMousePressed(Qt::MouseButton button, QPoint position);
    void onMouseMoved(Qt::MouseButtons buttons, QPoint position);
    void onMouseReleased(Qt::MouseButton button, QPoint position);

private:
    platform::Surface &m_surface;
    TextBox &m_box;
    TextModeFlags &m_flags;
};

} // namespace weftara::textweave
