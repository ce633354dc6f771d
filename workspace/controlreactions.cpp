#include "workspace/controlreactions.h"

#include "workspace/sliders.h"
#include "workspace/tabchange.h"
#include "workspace/workspace.h"

namespace weftara::workspace {

void connectReactions(Workspace &ws, Sliders &sliders)
{
    Controls &c = ws.controls();
    QObject::connect(&c.weaveRatioSlider, &RangedValue::valueChanged, &sliders, &Sliders::onWeaveRatioChanged);
    QObject::connect(&c.toneSlider, &RangedValue::valueChanged, &sliders, &Sliders::onToneChanged);
    QObject::connect(&c.zoomSlider, &RangedValue::valueChanged, &sliders, &Sliders::onZoomChanged);
    QObject::connect(&c.colorStepSlider, &RangedValue::valueChanged, &sliders, &Sliders::onColorStepChanged);
    for (const engine::WeavePart part : WeaveParts) {
        QObject::connect(&c.thresholdSliders[part], &RangedValue::valueChanged, &sliders,
                         [&sliders, part] { sliders.onThresholdChanged(part); });
        QObject::connect(&c.weaveOptionCheckBoxes[part], &OnOffValue::toggled, &sliders,
                         [&sliders, part] { sliders.onWeaveOptionClicked(part); });
    }
    QObject::connect(&c.tabStrip, &TabSelection::currentChanged, &ws, [&ws](Tab tab) { tabChange(ws, tab); });
}

} // namespace weftara::workspace
