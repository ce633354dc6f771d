#include "workspace/tabchange.h"

#include "platform/dialogs.h"
#include "platform/surface.h"
#include "workspace/messages.h"
#include "workspace/picturetabs.h"
#include "workspace/weavepipeline.h"


namespace weftara::workspace {

void swapSliderMemory(Workspace &ws, Tab tab)
{
    SliderMemory &memory = ws.sliderMemory();
    Controls &c = ws.controls();
    const Tab shown = memory.sliderTab.value_or(Tab::BaseCollection);
    memory.zoomValues[shown] = std::int16_t(c.zoomSlider.value());
    memory.zoomTexts[shown] = c.zoomBox.text();
    memory.toneValues[shown] = std::int16_t(c.toneSlider.value());
    memory.toneTexts[shown] = c.toneBox.text();

    c.toneSlider.setValueQuietly(memory.toneValues[tab]);
    c.toneBox.setText(memory.toneTexts[tab]);
    c.zoomSlider.setValueQuietly(memory.zoomValues[tab]);
    c.zoomBox.setText(memory.zoomTexts[tab]);
    memory.sliderTab = tab;
}

void tabChange(Workspace &ws, Tab tab)
{
    emit ws.tabChangeStarted(tab);
    for (const Tab each : Tabs)
        ws.surfaceOfTab(each).hide();
    swapSliderMemory(ws, tab);
    platform::Surface &shown = ws.surfaceOfTab(tab);
    shown.show();

    if (tab == Tab::BaseCollection || tab == Tab::PatternCollection) {
        // The sheet fills the visible client area of the tab strip.
        if (const PictureTabs *tabs = ws.controls().pictureTabs) {
            const QSize client = tabs->viewportSize();
            shown.setGeometry(0, 0, client.width(), client.height());
        }
        if (tab == Tab::BaseCollection)
            ws.log().clear();
        emit ws.collectionTabSelected(tab);
        return;
    }
    if (tab == Tab::Woven && !ws.flags().wovenUpToDate) {
        if (ws.flags().baseLoaded) {
            if (weave(ws))
                ws.flags().wovenUpToDate = true;
        } else {
            ws.dialogs().message(selectBaseMessage());
            ws.selectTab(Tab::BaseCollection);
        }
    }
}

} // namespace weftara::workspace
