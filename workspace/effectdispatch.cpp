#include "workspace/effectdispatch.h"

#include "engine/fades.h"
#include "engine/filters.h"
#include "platform/busycursor.h"
#include "platform/numbertext.h"
#include "platform/surface.h"
#include "recipes/loggroups.h"
#include "workspace/messages.h"
#include "workspace/surfaceops.h"
#include "workspace/weavepipeline.h"
#include "workspace/workspace.h"

#include <QLineEdit>
#include <QScrollBar>

namespace weftara::workspace {

namespace {

using Filter = bool (*)(QImage &);

struct Effect
{
    int index;
    Filter filter;
    QStringView command;
};

constexpr Effect Effects[] = {
    {0, &engine::toGray, recipes::GrayCommand},
    {1, &engine::solarize, recipes::SolarizeCommand},
    {2, &engine::fadeTowardTop, recipes::FadeTopCommand},
    {3, &engine::fadeTowardLeft, recipes::FadeLeftCommand},
    {4, &engine::emphasize, recipes::EmphasizeCommand},
    {6, &engine::fadeTowardRight, recipes::FadeRightCommand},
};

void applyEffect(Workspace &ws, const Effect &effect)
{
    const int picture = ws.selectedPicture();
    const int g = picture < 0 ? 0 : picture;
    // An effect on the base or pattern makes the woven picture out of date.
    if (picture == 0 || picture == 1)
        ws.flags().OrikomiFlg = false;
    runOnPicture(ws.Picture1(g), effect.filter);
    recipes::recordEffect(ws.LstLog(), effect.command, g);
}

// Sets the slider to the box's number; the slider keeps it within its range,
// and its change reaction runs only when the value changes.
void applyBox(QScrollBar *slider, const QLineEdit *box)
{
    slider->setValue(platform::readInt16(box->text()));
}

void weaveButton(Workspace &ws)
{
    Flags &flags = ws.flags();
    if (!flags.MotoeSentakuFlg) {
        ws.message(selectBaseMessage());
        return;
    }
    if (!flags.GaraeSentakuFlg) {
        ws.message(selectPatternMessage());
        return;
    }
    getCommand(ws);
    ws.selectTab(TabOrikomi);
    flags.FlgState = {1, 1, 1};
}

} // namespace

void EffectCommand(Workspace &ws, int index)
{
    for (const Effect &effect : Effects) {
        if (effect.index == index) {
            applyEffect(ws, effect);
            return;
        }
    }
    switch (index) {
    case 7:
        applyBox(ws.controls().HScroll3, ws.controls().Text4);
        break;
    case 8:
        applyBox(ws.controls().HScroll2, ws.controls().Text3);
        break;
    case 10:
        weaveButton(ws);
        break;
    default:
        break;
    }
}

void Command3_Click(Workspace &ws, int index)
{
    EffectCommand(ws, index);
}

void Command8_Click(Workspace &ws, int index)
{
    {
        const platform::BusyCursor busy;
        const int picture = ws.selectedPicture();
        if (picture >= 0) {
            const std::int16_t step = platform::readInt16(ws.controls().Text6->text());
            runOnPicture(ws.Picture1(picture),
                         [&](QImage &image) { return engine::stepChannel(image, engine::ChannelStep(index), step); });
        }
    }
    recipes::recordColorStep(ws.LstLog(), ws.controls().Text6->text(), engine::ChannelStep(index));
}

void Command2_Click(Workspace &ws)
{
    ws.controls().Frame1->hide();
}

} // namespace weftara::workspace
