#include "workspace/weavepipeline.h"

#include "engine/blend.h"
#include "platform/numbertext.h"
#include "platform/surface.h"
#include "recipes/loggroups.h"
#include "workspace/surfaceops.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace weftara::workspace {

std::int16_t weaveRatio(const QString &text)
{
    // A ratio outside 0..100 weaves nothing (the blend's own gate); only a
    // number too large for a 16-bit value is pulled back to the slider's
    // range, so that a typing slip never wraps around into a valid ratio.
    const double value = platform::readNumber(text);
    if (std::isnan(value))
        return 0;
    if (value < -32768.5 || value >= 32767.5)
        return static_cast<std::int16_t>(std::clamp(value, 1.0, 100.0));
    return platform::roundToInt16(value);
}

namespace {

// Step 1: the woven picture starts untoned and unzoomed; the slider change
// handlers see ScrollSetFlg and stay quiet.
void resetWovenSliders(Workspace &ws)
{
    const Controls &c = ws.controls();
    SliderMemory &memory = ws.sliderMemory();
    ws.flags().ScrollSetFlg = true;
    memory.ZoomValue[4] = SliderMemory::InitialZoom;
    memory.NoutanValue[4] = SliderMemory::InitialTone;
    memory.ZoomText[4] = QStringLiteral("100");
    memory.NoutanText[4] = QStringLiteral("0");
    c.HScroll2->setValue(0);
    c.Text3->setText(QStringLiteral("0"));
    c.HScroll3->setValue(100);
    c.Text4->setText(QStringLiteral("100"));
    ws.flags().ScrollSetFlg = false;
    ws.flags().PrintMojiFlg = false;
}

} // namespace

void getCommand(Workspace &ws)
{
    const Controls &c = ws.controls();
    Flags &flags = ws.flags();
    resetWovenSliders(ws);

    platform::Surface &base = ws.Picture1(0);
    platform::Surface &pattern = ws.Picture1(1);
    platform::Surface &woven = ws.Picture1(2);

    woven.cls();
    woven.clearPicture();
    woven.setAutoSize(false);
    woven.setGeometry(base.geometry());
    pattern.setGeometry(base.geometry());

    const bool light = c.Check1[0]->isChecked();
    const bool dark = !light && c.Check1[1]->isChecked();
    if (flags.GaraeSentakuFlg) {
        const std::int16_t ratio = weaveRatio(c.Text2->text());
        runOnPicture(woven, [&](QImage &dst) {
            if (light)
                return engine::weaveIntoLight(base.image(), pattern.image(), dst, ratio,
                                             platform::readInt16(c.Text12[0]->text()));
            if (dark)
                return engine::weaveIntoDark(base.image(), pattern.image(), dst, ratio,
                                             platform::readInt16(c.Text12[1]->text()));
            return engine::blendPictures(base.image(), pattern.image(), dst, ratio);
        });
    } else {
        // No pattern: the woven picture is the base picture as it is shown,
        // zoomed or filtered as it may be.
        copyImageToPicture(base, woven);
        woven.refresh();
    }
    pattern.hide();

    // The unzoomed woven picture, the zoom's source.
    platform::Surface &unzoomed = ws.Picture3(1);
    unzoomed.setGeometry(base.geometry());
    unzoomed.hide();
    copyImageToPicture(woven, unzoomed);

    // Picture3(1) no longer holds the pattern's untoned copy, and the woven
    // picture's untoned copy shows an earlier weave: both are taken afresh
    // at the next tone change.
    for (int k : {1, 2})
        if (flags.FlgState[std::size_t(k)] == 3)
            flags.FlgState[std::size_t(k)] = 1;

    std::optional<engine::WeavePart> part;
    QString thresholdText;
    if (light) {
        part = engine::WeavePart::Light;
        thresholdText = c.Text12[0]->text();
    } else if (dark) {
        part = engine::WeavePart::Dark;
        thresholdText = c.Text12[1]->text();
    }
    recipes::recordWeave(ws.LstLog(), part, thresholdText, c.Text2->text());
}

} // namespace weftara::workspace
