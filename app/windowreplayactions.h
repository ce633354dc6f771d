#pragma once

#include "recipes/replayactions.h"

class QPlainTextEdit;

namespace weftara::workspace {
class Sliders;
class Workspace;
} // namespace weftara::workspace

namespace weftara::collections {
class PictureLoading;
} // namespace weftara::collections

namespace weftara::textweave {
class TextWeaver;
} // namespace weftara::textweave

namespace weftara::app {

// What recipe replay drives, bound to the window's real procedures and
// controls. Every setter goes through the control itself, so its own
// reaction runs exactly when the value changes, as a user's change would.
class WindowReplayActions final : public recipes::ReplayActions
{
public:
    WindowReplayActions(workspace::Workspace &ws, workspace::Sliders &sliders, collections::PictureLoading &loading,
                        textweave::TextWeaver &textWeaver, QPlainTextEdit &descriptionBox);

    void clearLog() override;
    void setDescriptionBox(const QString &description) override;
    void loadBase(const QString &path) override;
    void loadPattern(const QString &path) override;
    void hidePicture(workspace::Picture picture) override;
    void setBaseLoaded(bool loaded) override;
    void setPatternLoaded(bool loaded) override;
    void setWovenUpToDate(bool upToDate) override;
    void selectTab(workspace::Tab tab) override;
    void setWeaveOptionChecked(engine::WeavePart part, bool ticked) override;
    void setThresholdBox(engine::WeavePart part, const QString &text) override;
    void setWeaveRatioBox(const QString &text) override;
    void weave() override;
    void setZoomSlider(qint16 value) override;
    void setToneSlider(qint16 value) override;
    void resetWeaveOptions() override;
    void setZoomBox(const QString &text) override;
    void applyZoom() override;
    void setToneBox(const QString &text) override;
    void applyTone() override;
    void runEffect(workspace::EffectButton button) override;
    void setColorStepBox(const QString &text) override;
    void runChannelStep(engine::ChannelStep channel) override;
    void fixText() override;
    void eraseText() override;
    void toggleTextMode() override;
    void setTextBoxText(const QString &text) override;
    void setTextBoxLeft(float left) override;
    void setTextBoxTop(float top) override;
    void setTextBoxFont(const QString &fontName) override;
    void setTextBoxColor(qint32 color) override;
    void setTextBoxFontName(const QString &fontName) override;
    void setTextBoxFontSize(float points) override;
    void setTextBoxBold(bool on) override;
    void setTextBoxItalic(bool on) override;
    void setTextBoxUnderline(bool on) override;
    void drawText() override;

private:
    workspace::Workspace &m_ws;
    workspace::Sliders &m_sliders;
    collections::PictureLoading &m_loading;
    textweave::TextWeaver &m_textWeaver;
    QPlainTextEdit &m_descriptionBox;
};

} // namespace weftara::app
