#include "app/windowreplayactions.h"

#include "collections/pictureloading.h"
#include "platform/numbertext.h"
#include "platform/surface.h"
#include "textweave/placedtext.h"
#include "textweave/textweaver.h"
#include "workspace/effects.h"
#include "workspace/sliders.h"
#include "workspace/weavepipeline.h"
#include "workspace/workspace.h"

#include <QPlainTextEdit>

#include <functional>

namespace weftara::app {

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

WindowReplayActions::WindowReplayActions(workspace::Workspace &ws, workspace::Sliders &sliders,
                                         collections::PictureLoading &loading, textweave::TextWeaver &textWeaver,
                                         QPlainTextEdit &descriptionBox)
    : m_ws(ws)
    , m_sliders(sliders)
    , m_loading(loading)
    , m_textWeaver(textWeaver)
    , m_descriptionBox(descriptionBox)
{
}

void WindowReplayActions::clearLog() { m_ws.log().clear(); }
void WindowReplayActions::setDescriptionBox(const QString &description) { m_descriptionBox.setPlainText(description); }

void WindowReplayActions::loadBase(const QString &path)
{
    m_textWeaver.endTextPlacement();
    QString loaded = path;
    m_loading.loadBase(loaded);
}

void WindowReplayActions::loadPattern(const QString &path)
{
    QString loaded = path;
    m_loading.loadPattern(loaded);
}

void WindowReplayActions::hidePicture(workspace::Picture picture) { m_ws.picture(picture).hide(); }
void WindowReplayActions::setBaseLoaded(bool loaded) { m_ws.flags().baseLoaded = loaded; }
void WindowReplayActions::setPatternLoaded(bool loaded) { m_ws.flags().patternLoaded = loaded; }
void WindowReplayActions::setWovenUpToDate(bool upToDate) { m_ws.flags().wovenUpToDate = upToDate; }
void WindowReplayActions::selectTab(workspace::Tab tab) { m_ws.selectTab(tab); }

void WindowReplayActions::setWeaveOptionChecked(engine::WeavePart part, bool ticked)
{
    m_ws.controls().weaveOptionCheckBoxes[part].setChecked(ticked);
}

void WindowReplayActions::setThresholdBox(engine::WeavePart part, const QString &text)
{
    m_ws.controls().thresholdBoxes[part].setText(text);
}

void WindowReplayActions::setWeaveRatioBox(const QString &text) { m_ws.controls().weaveRatioBox.setText(text); }
void WindowReplayActions::weave() { workspace::weave(m_ws); }

// The sliders keep a value within their own range, and react only when the
// value changes.
void WindowReplayActions::setZoomSlider(qint16 value) { m_ws.controls().zoomSlider.setValue(value); }
void WindowReplayActions::setToneSlider(qint16 value) { m_ws.controls().toneSlider.setValue(value); }

void WindowReplayActions::resetWeaveOptions()
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

void WindowReplayActions::setZoomBox(const QString &text) { m_ws.controls().zoomBox.setText(text); }

void WindowReplayActions::applyZoom()
{
    applyBox(m_ws, m_ws.controls().zoomSlider, workspace::EffectButton::Zoom, [this] { m_sliders.onZoomChanged(); });
}

void WindowReplayActions::setToneBox(const QString &text) { m_ws.controls().toneBox.setText(text); }

void WindowReplayActions::applyTone()
{
    applyBox(m_ws, m_ws.controls().toneSlider, workspace::EffectButton::Tone, [this] { m_sliders.onToneChanged(); });
}

void WindowReplayActions::runEffect(workspace::EffectButton button) { workspace::runEffect(m_ws, button); }
void WindowReplayActions::setColorStepBox(const QString &text) { m_ws.controls().colorStepBox.setText(text); }
void WindowReplayActions::runChannelStep(engine::ChannelStep channel) { workspace::runChannelStep(m_ws, channel); }

void WindowReplayActions::fixText() { m_textWeaver.fixText(); }
void WindowReplayActions::eraseText() { m_textWeaver.eraseText(); }
void WindowReplayActions::toggleTextMode() { m_textWeaver.toggleTextMode(); }
void WindowReplayActions::setTextBoxText(const QString &text) { m_textWeaver.placedText().setText(text); }
void WindowReplayActions::setTextBoxLeft(float left) { m_textWeaver.placedText().setLeft(left); }
void WindowReplayActions::setTextBoxTop(float top) { m_textWeaver.placedText().setTop(top); }
void WindowReplayActions::setTextBoxFont(const QString &fontName) { m_textWeaver.placedText().setFontName(fontName); }
void WindowReplayActions::setTextBoxColor(qint32 color) { m_textWeaver.placedText().setColorValue(color); }
void WindowReplayActions::setTextBoxFontName(const QString &fontName) { m_textWeaver.placedText().setFontName(fontName); }
void WindowReplayActions::setTextBoxFontSize(float points) { m_textWeaver.placedText().setFontSize(points); }
void WindowReplayActions::setTextBoxBold(bool on) { m_textWeaver.placedText().setFontBold(on); }
void WindowReplayActions::setTextBoxItalic(bool on) { m_textWeaver.placedText().setFontItalic(on); }
void WindowReplayActions::setTextBoxUnderline(bool on) { m_textWeaver.placedText().setFontUnderline(on); }
void WindowReplayActions::drawText() { m_textWeaver.drawText(); }

} // namespace weftara::app
