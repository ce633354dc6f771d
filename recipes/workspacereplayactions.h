#pragma once

#include "recipes/replayactions.h"

namespace weftara::workspace {
class Sliders;
class Workspace;
} // namespace weftara::workspace

namespace weftara::collections {
class PictureLoading;
} // namespace weftara::collections

namespace weftara::textweave {
class PlacedText;
} // namespace weftara::textweave

namespace weftara::recipes {

// What recipe replay drives, on the workspace alone: its pictures, control
// values, handlers and the text being placed. Every setter goes through the
// control value, so its reaction runs exactly when the value changes, as a
// user's change would. Needs no widget; the window adds what only it has.
class WorkspaceReplayActions : public ReplayActions
{
public:
    WorkspaceReplayActions(workspace::Workspace &ws, workspace::Sliders &sliders,
                           collections::PictureLoading &loading, textweave::PlacedText &placed);

    void clearLog() override;
    // No description box without a window.
    void setDescriptionBox(const QString &) override {}
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

protected:
    // Loading a base ends text mode, as choosing its thumbnail does.
    virtual void endTextMode();

private:
    workspace::Workspace &m_ws;
    workspace::Sliders &m_sliders;
    collections::PictureLoading &m_loading;
    textweave::PlacedText &m_placed;
};

} // namespace weftara::recipes
