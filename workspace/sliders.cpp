#include "workspace/sliders.h"

#include "engine/filters.h"
#include "platform/busycursor.h"
#include "platform/dialogs.h"
#include "platform/numbertext.h"
#include "platform/surface.h"
#include "platform/twips.h"
#include "recipes/loggroups.h"
#include "workspace/effects.h"
#include "workspace/flagscope.h"
#include "workspace/messages.h"
#include "workspace/surfaceops.h"
#include "workspace/weaveoptionspanel.h"
#include "workspace/weavepipeline.h"
#include "workspace/zoom.h"

#include <QPlainTextEdit>

namespace weftara::workspace {

Sliders::Sliders(Workspace &ws, QObject *parent)
    : QObject(parent)
    , m_ws(ws)
{
}

void Sliders::onWeaveRatioChanged()
{
    Flags &flags = m_ws.flags();
    Controls &c = m_ws.controls();
    c.weaveRatioBox.setText(platform::formatNumber(c.weaveRatioSlider.value()));
    if (!flags.baseLoaded) {
        m_ws.dialogs().message(selectBaseMessage());
        return;
    }
    if (!flags.patternLoaded || !weave(m_ws))
        return;
    m_ws.selectTab(Tab::Woven);
    c.zoomSlider.setValue(100);
    c.toneSlider.setValue(0);
}

void Sliders::onToneChanged()
{
    Flags &flags = m_ws.flags();
    Controls &c = m_ws.controls();
    if (m_toneBusy)
        return;
    const FlagScope busy(m_toneBusy);

    c.toneBox.setText(platform::formatNumber(c.toneSlider.value()));
    const std::optional<Picture> selected = m_ws.selectedPicture();
    const Picture target = selected.value_or(Picture::Base);
    const std::int16_t amount = platform::readInt16(c.toneBox.text());
    platform::Surface &picture = m_ws.picture(target);
    platform::Surface &untoned = m_ws.copy(target);
    if (!pictureAllowed(m_ws, picture.size()))
        return;
    SurfaceRollback rollback{&picture, &untoned};
    const Flags flagsBefore = flags;

    // A toned base or pattern (the base also from a collection tab) leaves
    // the woven picture out of date; toning the woven picture keeps it so.
    flags.wovenUpToDate = target == Picture::Woven;

    bool made = true;
    if (selected == Picture::Base) {
        // The base picture is shifted once before its untoned copy is taken.
        // The shift is done on a scratch copy, so that the woven picture's
        // untoned copy stays intact.
        QImage scratch = picture.image().copy();
        made = !scratch.isNull() || picture.size().isEmpty();
        engine::shiftBrightness(scratch, amount);
        picture.setPicture(scratch);
    }

    CopyState &state = flags.copyState[target];
    const bool freshCopy = state != CopyState::Untoned;
    if (freshCopy) {
        state = CopyState::Untoned;
        untoned.setPicture(picture.image());
        // The pattern's untoned copy takes the surface of the woven
        // picture's unzoomed copy.
        CopyState &woven = flags.copyState[Picture::Woven];
        if (target == Picture::Pattern && (woven == CopyState::Unzoomed || woven == CopyState::Zoomed))
            woven = CopyState::Loaded;
    }
    picture.setPicture(untoned.image());
    {
        const platform::BusyCursor pointer;
        runOnPicture(picture, [amount](QImage &image) { return engine::shiftBrightness(image, amount); });
    }
    untoned.hide();
    showTabSurface(m_ws);
    if (!rollback.keepIfMade(m_ws, picture.size(), made)) {
        flags = flagsBefore;
        return;
    }

    // The base's first shift depends on the amount its fresh copy was taken
    // with: that group is kept, and later moves get a group of their own.
    recipes::recordTone(m_ws.log(), int(target), int(state), c.toneBox.text(),
                        selected == Picture::Base && freshCopy);
}

void Sliders::onZoomChanged()
{
    Controls &c = m_ws.controls();
    c.zoomBox.setText(platform::formatNumber(c.zoomSlider.value()));
    zoom(m_ws);
}

void Sliders::onColorStepChanged()
{
    Controls &c = m_ws.controls();
    c.colorStepBox.setText(platform::formatPlainNumber(c.colorStepSlider.value()));
}

void Sliders::onThresholdChanged(engine::WeavePart part)
{
    Controls &c = m_ws.controls();
    c.thresholdBoxes[part].setText(platform::formatNumber(c.thresholdSliders[part].value()));
    if (c.weaveOptionCheckBoxes[engine::WeavePart::Light].isChecked()
        || c.weaveOptionCheckBoxes[engine::WeavePart::Dark].isChecked())
        runEffect(m_ws, EffectButton::Weave);
}

void Sliders::onWeaveOptionClicked(engine::WeavePart part)
{
    Controls &c = m_ws.controls();
    const engine::WeavePart other =
        part == engine::WeavePart::Light ? engine::WeavePart::Dark : engine::WeavePart::Light;
    if (c.weaveOptionCheckBoxes[part].isChecked())
        c.weaveOptionCheckBoxes[other].setChecked(false);
}

void Sliders::closeWeaveOptions()
{
    Controls &c = m_ws.controls();
    c.weaveOptionsPanel->hide();
    for (const engine::WeavePart part : WeaveParts)
        c.weaveOptionCheckBoxes[part].setChecked(false);
}

void Sliders::openWeaveOptions()
{
    WeaveOptionsPanel *panel = m_ws.controls().weaveOptionsPanel;
    panel->setGeometry(platform::twipsToPixels(WeaveOptionsPanel::LeftTwips),
                       platform::twipsToPixels(WeaveOptionsPanel::TopTwips),
                       platform::twipsToPixels(WeaveOptionsPanel::WidthTwips),
                       platform::twipsToPixels(WeaveOptionsPanel::HeightTwips));
    panel->show();
    panel->helpBox()->setPlainText(QStringLiteral("スクロールバーを移動させると色のしきいちを")
                                   + QStringLiteral("変えることが出来ます。")
                                   + QStringLiteral("たとえば白い色のしきいちを２００とすると")
                                   + QStringLiteral("少し灰色ががかった色も白と") + QStringLiteral("判断されます"));
    panel->raise();
}

} // namespace weftara::workspace
