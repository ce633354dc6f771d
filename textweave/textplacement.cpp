#include "textweave/textplacement.h"

#include "platform/surface.h"
#include "textweave/placedtext.h"
#include "textweave/textbox.h"

namespace weftara::textweave {

TextPlacement::TextPlacement(platform::Surface &surface, TextBox &box, TextModeFlags &flags,
                             QObject *parent)
    : QObject(parent)
    , m_surface(surface)
    , m_box(box)
    , m_flags(flags)
{
    connect(&surface, &platform::Surface::mousePressed, this, &TextPlacement::onMousePressed);
    connect(&surface, &platform::Surface::mouseMoved, this, &TextPlacement::onMouseMoved);
    connect(&surface, &platform::Surface::mouseReleased, this, &TextPlacement::onMouseReleased);
}

void TextPlacement::onMousePressed(Qt::MouseButton, QPoint position)
{
    if (m_box.placed().textMode() && !m_flags.sizingBox) {
        m_box.placed().setLeft(float(position.x()));
        m_box.placed().setTop(float(position.y()));
        m_box.show();
        m_flags.sizingBox = true;
    }
    m_surface.setTextFont(m_box.placed().attributes().font());
    m_surface.setForeColor(m_box.placed().color());
}

void TextPlacement::onMouseMoved(Qt::MouseButtons buttons, QPoint position)
{
    if (!buttons.testFlag(Qt::LeftButton) || m_box.isHidden() || !m_flags.sizingBox)
        return;
    // Each side on its own: a drag above or left of the corner leaves that
    // side as it was.
    m_box.setBoxWidth(double(position.x()) - double(m_box.placed().left()));
    m_box.setBoxHeight(double(position.y()) - double(m_box.placed().top()));
}

void TextPlacement::onMouseReleased(Qt::MouseButton, QPoint)
{
    const bool wasSizing = m_flags.sizingBox;
    m_flags.sizingBox = false;
    // The box just drawn takes the typing.
    if (wasSizing && m_box.placed().textMode() && !m_box.isHidden())
        m_box.setFocus(Qt::MouseFocusReason);
}

} // namespace weftara::textweave
