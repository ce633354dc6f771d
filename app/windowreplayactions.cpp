#include "app/windowreplayactions.h"

#include "textweave/textweaver.h"

#include <QPlainTextEdit>

namespace weftara::app {

WindowReplayActions::WindowReplayActions(workspace::Workspace &ws, workspace::Sliders &sliders,
                                         collections::PictureLoading &loading, textweave::TextWeaver &textWeaver,
                                         QPlainTextEdit &descriptionBox)
    : WorkspaceReplayActions(ws, sliders, loading, textWeaver.placedText())
    , m_textWeaver(textWeaver)
    , m_descriptionBox(descriptionBox)
{
}

void WindowReplayActions::setDescriptionBox(const QString &description) { m_descriptionBox.setPlainText(description); }
void WindowReplayActions::endTextMode() { m_textWeaver.endTextPlacement(); }

} // namespace weftara::app
