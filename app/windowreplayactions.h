#pragma once

#include "recipes/workspacereplayactions.h"

class QPlainTextEdit;

namespace weftara::textweave {
class TextWeaver;
} // namespace weftara::textweave

namespace weftara::app {

// Replay on the workspace, with what only the window has: the recipe's
// description in the description box, and the text panel and box put away
// when a base picture is loaded.
class WindowReplayActions final : public recipes::WorkspaceReplayActions
{
public:
    WindowReplayActions(workspace::Workspace &ws, workspace::Sliders &sliders, collections::PictureLoading &loading,
                        textweave::TextWeaver &textWeaver, QPlainTextEdit &descriptionBox);

    void setDescriptionBox(const QString &description) override;

protected:
    void endTextMode() override;

private:
    textweave::TextWeaver &m_textWeaver;
    QPlainTextEdit &m_descriptionBox;
};

} // namespace weftara::app
