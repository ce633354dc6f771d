#include "workspace/zoom.h"

#include "platform/numbertext.h"
#include "platform/surface.h"
#include "recipes/loggroups.h"
#include "workspace/messages.h"
#include "workspace/surfaceops.h"
#include "workspace/workspace.h"

#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace weftara::workspace {

double zoomPercent(const QString &text)
{
    return std::clamp(platform::readNumber(text), -MaxZoomPercent, MaxZoomPercent);
}

QSize zoomedSize(QSize unzoomed, double percent)
{
    auto side = [percent](int length) {
        return std::max(1, platform::roundToInt32(std::fabs(length * percent / 100.0)));
    };
    return {side(unzoomed.width()), side(unzoomed.height())};
}

namespace {

// Stretches the whole of `source` smoothly onto the scratch surface, sized
// to the zoomed size, and returns the scratch's image.
QImage stretchOnto(platform::Surface &scratch, const platform::Surface &source, double percent)
{
    scratch.setAutoSize(false);
    const QSize size = zoomedSize(source.size(), percent);
    scratch.setPixelSize(size.width(), size.height());
    scratch.cls();
    scratch.stretchDraw(source.picture(), QRectF(QPointF(0, 0), QSizeF(size)),
                        platform::Surface::Stretch::Smooth);
    return scratch.image();
}

// The zoomed picture becomes the surface's picture, at its size.
void takeZoomed(platform::Surface &target, const QImage &zoomed)
{
    target.clearPicture();
    target.setAutoSize(false);
    target.setPixelSize(zoomed.width(), zoomed.height());
    target.setPicture(zoomed);
    target.refresh();
}

} // namespace

void MotoeZoom(Workspace &ws)
{
    if (ws.selectedTab() == TabOrikomi) {
        OrikomiZoom(ws);
        return;
    }
    Flags &flags = ws.flags();
    flags.GaraeSentakuFlg = false;
    ws.Picture1(1).clearPicture();

    const QString percentText = ws.controls().Text4->text();
    const double percent = zoomPercent(percentText);
    if (percent == 0)
        return;

    platform::Surface &base = ws.Picture1(0);
    platform::Surface &unzoomed = ws.Picture3(0);
    if (flags.FlgState[0] != 1) {
        flags.FlgState[0] = 1;
        copyImageToPicture(base, unzoomed);
    }
    platform::Surface &scratch = ws.Picture2(1);
    scratch.move(base.pos());
    takeZoomed(base, stretchOnto(scratch, unzoomed, percent));
    scratch.hide();
    showTabSurface(ws);

    recipes::recordZoom(ws.LstLog(), recipes::ZoomTarget::Base, percentText, flags.FlgState[2]);
    flags.GaraeSentakuFlg = false;
}

void OrikomiZoom(Workspace &ws)
{
    Flags &flags = ws.flags();
    const QString percentText = ws.controls().Text4->text();
    const double percent = zoomPercent(percentText);
    if (percent == 0)
        return;
    if (!flags.GaraeSentakuFlg) {
        ws.message(selectPatternMessage());
        ws.selectTab(TabGaraeShu);
        return;
    }
    platform::Surface &woven = ws.Picture1(2);
    platform::Surface &unzoomed = ws.Picture3(1);
    // A toned woven picture is zoomed as toned.
    if (flags.FlgState[2] == 3)
        copyImageToPicture(woven, unzoomed);

    platform::Surface &scratch = ws.Picture2(2);
    scratch.move(ws.Picture1(0).pos());
    const QImage zoomed = stretchOnto(scratch, unzoomed, percent);
    woven.move(scratch.pos());
    takeZoomed(woven, zoomed);
    scratch.hide();
    showTabSurface(ws);

    flags.FlgState[2] = 2;
    recipes::recordZoom(ws.LstLog(), recipes::ZoomTarget::Woven, percentText, flags.FlgState[2]);
}

} // namespace weftara::workspace
