#include "recipes/workspacereplayactions.h"

#include "collections/pictureloading.h"
#include "platform/numbertext.h"
#include "platform/surface.h"
#include "textweave/placedtext.h"
#include "textweave/textwriting.h"
#include "workspace/effects.h"
#include "workspace/sliders.h"
#include "workspace/weavepipeline.h"
#include "workspace/workspace.h"

#include <functional>

namespace weftara::recipes {

namespace {

// Presses the apply button beside a slider's box. A slider that already
// stands at the box's number does not move, so its reaction is run here.
void applyBox(workspace::Workspace &ws, const workspace::RangedValue &slider, workspace::EffectButton button,
              const std::function<void()> &reaction)
{
    const int before = slider.value();
    workspace::runEffect(ws, button);
    if (slider.value() == before)
        reaction();
}

} // namespace

WorkspaceReplayActions::WorkspaceReplayActions(workspace::Workspace &ws, workspace::Sliders &sliders,
                                               collections::PictureLoading &loading, textweave::PlacedText &placed)
    : m_ws(ws)
    , m_sliders(sliders)
    , m_loading(loading)
    , m_placed(placed)
{
}

void WorkspaceReplayActions::clearLog() { m_ws.log().clear(); }

void WorkspaceReplayActions::loadBase(const QString &path)
{
    endTextMode();
    QString loaded = path;
    m_loading.loadBase(loaded);
}

void WorkspaceReplayActions::loadPattern(const QString &path)
{
    QString loaded = path;
    m_loading.loadPattern(loaded);
}

void WorkspaceReplayActions::hidePicture(workspace::Picture picture) { m_ws.picture(picture).hide(); }
void WorkspaceReplayActions::setBaseLoaded(bool loaded) { m_ws.flags().baseLoaded = loaded; }
void WorkspaceReplayActions::setPatternLoaded(bool loaded) { m_ws.flags().patternLoaded = loaded; }
void WorkspaceReplayActions::setWovenUpToDate(bool upToDate) { m_ws.flags().wovenUpToDate = upToDate; }
void WorkspaceReplayActions::selectTab(workspace::Tab tab) { m_ws.selectTab(tab); }

void WorkspaceReplayActions::setWeaveOptionChecked(engine::WeavePart part, bool ticked)
{
    m_ws.controls().weaveOptionCheckBoxes[part].setChecked(ticked);
}

void WorkspaceReplayActions::setThresholdBox(engine::WeavePart part, const QString &text)
{
    m_ws.controls().thresholdBoxes[part].setText(text);
}

void WorkspaceReplayActions::setWeaveRatioBox(const QString &text) { m_ws.controls().weaveRatioBox.setText(text); }
void WorkspaceReplayActions::weave() { workspace::weave(m_ws); }

// The sliders keep a value within their own range, and react only when the
// value changes.
void WorkspaceReplayActions::setZoomSlider(qint16 value) { m_ws.controls().zoomSlider.setValue(value); }
void WorkspaceReplayActions::setToneSlider(qint16 value) { m_ws.controls().toneSlider.setValue(value); }

void WorkspaceReplayActions::resetWeaveOptions()
{
    workspace::Controls &c = m_ws.controls();
    for (const engine::WeavePart part : workspace::WeaveParts) {
        c.weaveOptionCheckBoxes[part].setChecked(false);
        workspace::RangedValue &slider = c.thresholdSliders[part];
        slider.setValue(part == engine::WeavePart::Light ? slider.maximum() : slider.minimum());
        // A box the replay set beside a slider that did not move shows the
        // slider again.
        c.thresholdBoxes[part].setText(platform::formatNumber(slider.value()));
    }
}

void WorkspaceReplayActions::setZoomBox(const QString &text) { m_ws.controls().zoomBox.setText(text); }

void WorkspaceReplayActions::applyZoom()
{
    applyBox(m_ws, m_ws.controls().zoomSlider, workspace::EffectButton::Zoom, [this] { m_sliders.onZoomChanged(); });
}

void WorkspaceReplayActions::setToneBox(const QString &text) { m_ws.controls().toneBox.setText(text); }

void WorkspaceReplayActions::applyTone()
{
    applyBox(m_ws, m_ws.controls().toneSlider, workspace::EffectButton::Tone, [this] { m_sliders.onToneChanged(); });
}

void WorkspaceReplayActions::runEffect(workspace::EffectButton button) { workspace::runEffect(m_ws, button); }
void WorkspaceReplayActions::setColorStepBox(const QString &text) { m_ws.controls().colorStepBox.setText(text); }
void WorkspaceReplayActions::runChannelStep(engine::ChannelStep channel) { workspace::runChannelStep(m_ws, channel); }

void WorkspaceReplayActions::endTextMode() { m_placed.setTextMode(false); }
void WorkspaceReplayActions::fixText() { textweave::fixDrawnText(m_ws); }
void WorkspaceReplayActions::eraseText() { textweave::eraseDrawnText(m_ws); }
// A second text of a recipe stays in text mode, so that a later erase
// still reaches the texts before it.
void WorkspaceReplayActions::toggleTextMode() { textweave::enterTextMode(m_ws, m_placed); }
void WorkspaceReplayActions::setTextBoxText(const QString &text) { m_placed.setText(text); }
void WorkspaceReplayActions::setTextBoxLeft(float left) { m_placed.setLeft(left); }
void WorkspaceReplayActions::setTextBoxTop(float top) { m_placed.setTop(top); }
void WorkspaceReplayActions::setTextBoxFont(const QString &fontName) { m_placed.setFontName(fontName); }
void WorkspaceReplayActions::setTextBoxColor(qint32 color) { m_placed.setColorValue(color); }
void WorkspaceReplayActions::setTextBoxFontName(const QString &fontName) { m_placed.setFontName(fontName); }
void WorkspaceReplayActions::setTextBoxFontSize(float points) { m_placed.setFontSize(points); }
void WorkspaceReplayActions::setTextBoxBold(bool on) { m_placed.setFontBold(on); }
void WorkspaceReplayActions::setTextBoxItalic(bool on) { m_placed.setFontItalic(on); }
void WorkspaceReplayActions::setTextBoxUnderline(bool on) { m_placed.setFontUnderline(on); }
void WorkspaceReplayActions::drawText() { textweave::drawPlacedText(m_ws, m_placed); }

} // namespace weftara::recipes
