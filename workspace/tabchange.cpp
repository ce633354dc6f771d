#include "workspace/tabchange.h"

#include "platform/surface.h"
#include "workspace/messages.h"
#include "workspace/picturetabs.h"
#include "workspace/weavepipeline.h"
#include "workspace/workspace.h"

#include <QLineEdit>
#include <QScrollBar>

namespace weftara::workspace {

void TabSliderSwap(Workspace &ws, int t)
{
    SliderMemory &memory = ws.sliderMemory();
    const Controls &c = ws.controls();
    const auto shown = std::size_t((memory.TabSliderNo == 0 ? 1 : memory.TabSliderNo) - 1);
    memory.ZoomValue[shown] = std::int16_t(c.HScroll3->value());
    memory.ZoomText[shown] = c.Text4->text();
    memory.NoutanValue[shown] = std::int16_t(c.HScroll2->value());
    memory.NoutanText[shown] = c.Text3->text();

    ws.flags().ScrollSetFlg = true;
    if (t == 0) {
        memory.reset();
    } else {
        const auto i = std::size_t(t - 1);
        c.HScroll2->setValue(memory.NoutanValue[i]);
        c.Text3->setText(memory.NoutanText[i]);
        c.HScroll3->setValue(memory.ZoomValue[i]);
        c.Text4->setText(memory.ZoomText[i]);
    }
    ws.flags().ScrollSetFlg = false;
    memory.TabSliderNo = t;
}

void tabChange(Workspace &ws, int t)
{
    if (t < 1 || t > 5)
        return;
    emit ws.tabChangeStarted(t);
    for (int k = 0; k < 5; ++k)
        ws.Picture1(k).hide();
    TabSliderSwap(ws, t);
    platform::Surface &shown = ws.Picture1(Workspace::surfaceOfTab(t));
    shown.show();

    if (t == TabMotoeShu || t == TabGaraeShu) {
        // The sheet fills the visible client area of the tab strip.
        const PictureTabs *tabs = ws.controls().pictureTabs;
        if (tabs) {
            const QSize client = tabs->viewportSize();
            shown.setGeometry(0, 0, client.width(), client.height());
        }
        if (t == TabMotoeShu)
            ws.LstLog().clear();
        emit ws.collectionTabSelected(t);
        return;
    }
    if (t == TabOrikomi && !ws.flags().OrikomiFlg) {
        if (ws.flags().MotoeSentakuFlg) {
            getCommand(ws);
            ws.flags().OrikomiFlg = true;
        } else {
            ws.message(selectBaseMessage());
            ws.selectTab(TabMotoeShu);
        }
    }
}

} // namespace weftara::workspace
