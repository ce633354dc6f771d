#include "workspace/sliders.h"

#include "engine/filters.h"
#include "platform/busycursor.h"
#include "platform/numbertext.h"
#include "platform/surface.h"
#include "platform/twips.h"
#include "recipes/loggroups.h"
#include "workspace/effectdispatch.h"
#include "workspace/flagscope.h"
#include "workspace/messages.h"
#include "workspace/surfaceops.h"
#include "workspace/weaveoptionspanel.h"
#include "workspace/weavepipeline.h"
#include "workspace/workspace.h"
#include "workspace/zoom.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace weftara::workspace {

Sliders::Sliders(Workspace &ws, QObject *parent)
    : QObject(parent)
    , m_ws(ws)
{
}

void Sliders::HScroll1_Change()
{
    Flags &flags = m_ws.flags();
    const Controls &c = m_ws.controls();
    if (flags.ScrollSetFlg)
        return;
    c.Text2->setText(platform::formatNumber(c.HScroll1->value()));
    if (!flags.MotoeSentakuFlg) {
        m_ws.message(selectBaseMessage());
        return;
    }
    if (!flags.GaraeSentakuFlg)
        return;
    getCommand(m_ws);
    m_ws.selectTab(TabOrikomi);
    flags.FlgState = {1, 1, 1};
    c.HScroll3->setValue(100);
    c.HScroll2->setValue(0);
}

void Sliders::HScroll2_Change()
{
    Flags &flags = m_ws.flags();
    const Controls &c = m_ws.controls();
    if (flags.ScrollSetFlg || m_toneBusy)
        return;
    const FlagScope busy(m_toneBusy);

    c.Text3->setText(platform::formatNumber(c.HScroll2->value()));
    const int picture = m_ws.selectedPicture();
    const int g = picture < 0 ? 0 : picture;
    if (picture == 1)
        flags.OrikomiFlg = false;
    else if (picture == 2)
        flags.OrikomiFlg = true;

    const std::int16_t amount = platform::readInt16(c.Text3->text());
    platform::Surface &target = m_ws.Picture1(g);
    if (picture == 0) {
        // The base picture's pre-step: it is shifted once before its untoned
        // copy is taken. The shift is done on a scratch copy, so that the
        // woven picture's untoned copy in Picture3(2) stays intact.
        QImage scratch = target.image().copy();
        engine::shiftBrightness(scratch, amount);
        target.setPicture(scratch);
        flags.OrikomiFlg = false;
    }

    platform::Surface &untoned = m_ws.Picture3(g);
    auto &state = flags.FlgState[std::size_t(g)];
    if (state != 3) {
        state = 3;
        copyImageToPicture(target, untoned);
    }
    copyImageToPicture(untoned, target);
    {
        const platform::BusyCursor pointer;
        runOnPicture(target, [amount](QImage &image) { return engine::shiftBrightness(image, amount); });
    }
    untoned.hide();
    showTabSurface(m_ws);

    recipes::recordTone(m_ws.LstLog(), g, state, c.Text3->text());
}

void Sliders::HScroll3_Change()
{
    const Controls &c = m_ws.controls();
    if (m_ws.flags().ScrollSetFlg)
        return;
    c.Text4->setText(platform::formatNumber(c.HScroll3->value()));
    MotoeZoom(m_ws);
}

void Sliders::HScroll4_Change()
{
    const Controls &c = m_ws.controls();
    c.Text6->setText(platform::formatPlainNumber(c.HScroll4->value()));
}

void Sliders::HScroll7_Change(int index)
{
    const Controls &c = m_ws.controls();
    const auto i = std::size_t(index);
    c.Text12[i]->setText(platform::formatNumber(c.HScroll7[i]->value()));
    if (c.Check1[0]->isChecked() || c.Check1[1]->isChecked())
        EffectCommand(m_ws, 10);
}

void Sliders::Check1_Click(int index)
{
    const Controls &c = m_ws.controls();
    const auto i = std::size_t(index);
    if (c.Check1[i]->isChecked())
        c.Check1[1 - i]->setChecked(false);
}

void Sliders::Command21_Click()
{
    const Controls &c = m_ws.controls();
    c.FrmOrikomi->hide();
    c.Check1[0]->setChecked(false);
    c.Check1[1]->setChecked(false);
}

void Sliders::morikomi_Click()
{
    const Controls &c = m_ws.controls();
    c.FrmOrikomi->setGeometry(
        platform::twipsToPixels(WeaveOptionsPanel::LeftTwips),
        platform::twipsToPixels(WeaveOptionsPanel::TopTwips),
        platform::twipsToPixels(WeaveOptionsPanel::WidthTwips),
        platform::twipsToPixels(WeaveOptionsPanel::HeightTwips));
    c.FrmOrikomi->show();
    c.Text13->setPlainText(QStringLiteral("スクロールバーを移動させると色のしきいちを")
                           + QStringLiteral("変えることが出来ます。")
                           + QStringLiteral("たとえば白い色のしきいちを２００とすると")
                           + QStringLiteral("少し灰色ががかった色も白と") + QStringLiteral("判断されます"));
    c.FrmOrikomi->raise();
}

} // namespace weftara::workspace
