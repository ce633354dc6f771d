#include "workspace/weavepipeline.h"

#include "engine/blend.h"
#include "platform/numbertext.h"
#include "platform/surface.h"
#include "recipes/loggroups.h"
#include "workspace/surfaceops.h"
#include "workspace/workspace.h"


#include <algorithm>
#include <cmath>
#include <optional>

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

// The woven picture starts untoned and unzoomed; the sliders are set
// quietly.
void resetWovenSliders(Workspace &ws)
{
    Controls &c = ws.controls();
    SliderMemory &memory = ws.sliderMemory();
    memory.zoomValues[Tab::Woven] = SliderMemory::InitialZoom;
    memory.toneValues[Tab::Woven] = SliderMemory::InitialTone;
    memory.zoomTexts[Tab::Woven] = QStringLiteral("100");
    memory.toneTexts[Tab::Woven] = QStringLiteral("0");
    c.toneSlider.setValueQuietly(0);
    c.toneBox.setText(QStringLiteral("0"));
    c.zoomSlider.setValueQuietly(100);
    c.zoomBox.setText(QStringLiteral("100"));
}

// Weaves into the memory of the woven picture when that is the picture both
// woven surfaces show, at the size the new one takes, and nothing else holds
// it. No memory is taken, so nothing can run out and nothing needs keeping
// to put back; and the new picture does not pay for fresh memory (at 24 MP,
// first touching it is a good part of the wait after a slider release).
// False, with both surfaces as they were, when it cannot.
template <class Weaving>
bool weaveInPlace(platform::Surface &woven, platform::Surface &unzoomed, QSize size, Weaving &&weaving)
{
    const QImage &shown = woven.picture();
    if (shown.size() != size || woven.size() != size || shown.format() != QImage::Format_RGB32
        || shown.cacheKey() != woven.image().cacheKey() || unzoomed.picture().cacheKey() != shown.cacheKey())
        return false;
    unzoomed.clearPicture();
    bool alone = false;
    woven.rewritePicture([&](QImage &dst) {
        // Shared with anything else, the first write would copy it.
        alone = dst.isDetached();
        if (!alone)
            return false;
        // A weave the engine refuses shows the plain back colour, as on a
        // fresh picture.
        if (!weaving(dst))
            dst.fill(woven.backColor());
        return true;
    });
    if (!alone) {
        unzoomed.setPicture(woven.picture());
        return false;
    }
    woven.refresh();
    return true;
}

} // namespace

bool weave(Workspace &ws)
{
    Controls &c = ws.controls();
    Flags &flags = ws.flags();
    platform::Surface &base = ws.picture(Picture::Base);
    platform::Surface &pattern = ws.picture(Picture::Pattern);
    platform::Surface &woven = ws.picture(Picture::Woven);
    platform::Surface &unzoomed = ws.unzoomedWoven();
    if (!pictureAllowed(ws, base.size()))
        return false;

    std::optional<engine::WeavePart> part;
    for (const engine::WeavePart each : WeaveParts) {
        if (c.weaveOptionCheckBoxes[each].isChecked()) {
            part = each;
            break;
        }
    }
    const QString thresholdText = part ? c.thresholdBoxes[*part].text() : QString();
    const std::int16_t ratio = weaveRatio(c.weaveRatioBox.text());
    const std::int16_t threshold = platform::readInt16(thresholdText);
    const auto weaving = [&](QImage &dst) {
        if (part == engine::WeavePart::Light)
            return engine::weaveIntoLight(base.image(), pattern.image(), dst, ratio, threshold);
        if (part == engine::WeavePart::Dark)
            return engine::weaveIntoDark(base.image(), pattern.image(), dst, ratio, threshold);
        return engine::blendPictures(base.image(), pattern.image(), dst, ratio);
    };

    resetWovenSliders(ws);
    // The next print layout starts again from the woven picture.
    flags.pageComposed = false;

    const bool inPlace = flags.patternLoaded && weaveInPlace(woven, unzoomed, base.size(), weaving);
    std::optional<SurfaceRollback> rollback;
    if (!inPlace) {
        rollback.emplace(std::initializer_list<platform::Surface *>{&woven, &unzoomed});
        unzoomed.clearPicture();
        woven.cls();
        woven.clearPicture();
    }
    woven.setAutoSize(false);
    woven.setGeometry(base.geometry());
    pattern.setGeometry(base.geometry());
    if (!flags.patternLoaded) {
        // No pattern: the woven picture is the base picture as it is shown,
        // zoomed or filtered as it may be.
        woven.setPicture(base.image());
        woven.refresh();
    } else if (!inPlace) {
        runOnPicture(woven, weaving);
    }
    pattern.hide();

    unzoomed.setGeometry(base.geometry());
    unzoomed.hide();
    unzoomed.setPicture(woven.image());
    if (rollback && !rollback->keepIfMade(ws, base.size()))
        return false;

    // The woven picture is its own unzoomed copy, on the surface the
    // pattern's untoned copy shares: the pattern takes a fresh one at its
    // next tone. The base's copy is left as it is; only the base's own
    // operations say what it holds.
    flags.copyState[Picture::Pattern] = CopyState::Unzoomed;
    flags.copyState[Picture::Woven] = CopyState::Unzoomed;
    // Selecting the woven tab next need not weave again.
    flags.wovenUpToDate = true;

    recipes::recordWeave(ws.log(), part, thresholdText, c.weaveRatioBox.text());
    return true;
}

} // namespace weftara::workspace
