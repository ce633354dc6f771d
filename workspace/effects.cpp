#include "workspace/effects.h"

#include "engine/fades.h"
#include "platform/busycursor.h"
#include "platform/dialogs.h"
#include "platform/numbertext.h"
#include "platform/surface.h"
#include "recipes/loggroups.h"
#include "workspace/messages.h"
#include "workspace/surfaceops.h"
#include "workspace/weavepipeline.h"

namespace weftara::workspace {

namespace {

using Filter = bool (*)(QImage &);

struct Effect
{
    EffectButton button;
    Filter filter;
    QStringView command;
};

constexpr Effect Effects[] = {
    {EffectButton::Gray, &engine::toGray, recipes::GrayCommand},
    {EffectButton::Solarize, &engine::solarize, recipes::SolarizeCommand},
    {EffectButton::FadeTop, &engine::fadeTowardTop, recipes::FadeTopCommand},
    {EffectButton::FadeLeft, &engine::fadeTowardLeft, recipes::FadeLeftCommand},
    {EffectButton::Emphasize, &engine::emphasize, recipes::EmphasizeCommand},
    {EffectButton::FadeRight, &engine::fadeTowardRight, recipes::FadeRightCommand},
};

// A change of the base or the pattern (also one made from a collection tab,
// which acts on the base) leaves the woven picture out of date.
void changed(Workspace &ws, Picture picture)
{
    ws.flags().copyOutdated(picture);
    if (picture != Picture::Woven)
        ws.flags().wovenUpToDate = false;
}

void applyEffect(Workspace &ws, const Effect &effect)
{
    const Picture target = ws.selectedPicture().value_or(Picture::Base);
    runOnPicture(ws.picture(target), effect.filter);
    changed(ws, target);
    recipes::recordEffect(ws.log(), effect.command, int(target));
}

// Sets the slider to the box's number; the slider keeps it within its range,
// and its change reaction runs only when the value changes.
void applyBox(RangedValue &slider, const TextValue &box)
{
    slider.setValue(platform::readInt16(box.text()));
}

void weaveNow(Workspace &ws)
{
    Flags &flags = ws.flags();
    if (!flags.baseLoaded) {
        ws.dialogs().message(selectBaseMessage());
        return;
    }
    if (!flags.patternLoaded) {
        ws.dialogs().message(selectPatternMessage());
        return;
    }
    if (!weave(ws))
        return;
    ws.selectTab(Tab::Woven);
}

} // namespace

void runEffect(Workspace &ws, EffectButton button)
{
    for (const Effect &effect : Effects) {
        if (effect.button == button) {
            applyEffect(ws, effect);
            return;
        }
    }
    Controls &c = ws.controls();
    switch (button) {
    case EffectButton::Zoom:
        applyBox(c.zoomSlider, c.zoomBox);
        break;
    case EffectButton::Tone:
        applyBox(c.toneSlider, c.toneBox);
        break;
    case EffectButton::Weave:
        weaveNow(ws);
        break;
    default:
        break;
    }
}

void runChannelStep(Workspace &ws, engine::ChannelStep channel)
{
    const QString stepText = ws.controls().colorStepBox.text();
    if (const std::optional<Picture> target = ws.selectedPicture()) {
        const platform::BusyCursor busy;
        const std::int16_t step = platform::readInt16(stepText);
        runOnPicture(ws.picture(*target),
                     [&](QImage &image) { return engine::stepChannel(image, channel, step); });
        changed(ws, *target);
    }
    recipes::recordColorStep(ws.log(), stepText, channel);
}

} // namespace weftara::workspace
