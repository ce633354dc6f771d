#include "workspace/zoom.h"

#include "platform/dialogs.h"
#include "platform/numbertext.h"
#include "platform/surface.h"
#include "recipes/loggroups.h"
#include "workspace/messages.h"
#include "workspace/surfaceops.h"
#include "workspace/workspace.h"


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

void zoom(Workspace &ws)
{
    if (ws.selectedTab() == Tab::Woven) {
        zoomWoven(ws);
        return;
    }
    Flags &flags = ws.flags();
    const QString percentText = ws.controls().zoomBox.text();
    const double percent = zoomPercent(percentText);
    platform::Surface &base = ws.picture(Picture::Base);
    platform::Surface &unzoomedBase = ws.copy(Picture::Base);
    const CopyState oldState = flags.copyState[Picture::Base];
    // A zoom refused leaves the base picture, and so the pattern over it.
    const QSize size = zoomedSize((oldState == CopyState::Unzoomed ? unzoomedBase : base).size(), percent);
    if (percent != 0 && !pictureAllowed(ws, size))
        return;

    flags.patternLoaded = false;
    ws.picture(Picture::Pattern).clearPicture();
    flags.copyOutdated(Picture::Pattern);
    if (percent == 0)
        return;

    platform::Surface &scratch = ws.baseZoomScratch();
    SurfaceRollback rollback{&base, &unzoomedBase, &scratch};
    if (oldState != CopyState::Unzoomed) {
        flags.copyState[Picture::Base] = CopyState::Unzoomed;
        unzoomedBase.setPicture(base.image());
    }
    scratch.move(base.pos());
    takeZoomed(base, stretchOnto(scratch, unzoomedBase, percent));
    scratch.hide();
    const bool made = rollback.keepIfMade(ws, size);
    if (!made)
        flags.copyState[Picture::Base] = oldState;
    showTabSurface(ws);
    if (!made)
        return;

    recipes::recordZoom(ws.log(), recipes::ZoomTarget::Base, percentText, int(flags.copyState[Picture::Woven]));
}

void zoomWoven(Workspace &ws)
{
    Flags &flags = ws.flags();
    const QString percentText = ws.controls().zoomBox.text();
    const double percent = zoomPercent(percentText);
    if (percent == 0)
        return;
    if (!flags.patternLoaded) {
        ws.dialogs().message(selectPatternMessage());
        ws.selectTab(Tab::PatternCollection);
        return;
    }
    platform::Surface &woven = ws.picture(Picture::Woven);
    platform::Surface &unzoomed = ws.unzoomedWoven();
    // Unless the unzoomed copy is the one this picture was zoomed from, the
    // picture as it stands becomes the copy: a toned woven picture is zoomed
    // as toned, one changed by an effect or text keeps the change.
    const CopyState state = flags.copyState[Picture::Woven];
    const bool fromShown = state != CopyState::Unzoomed && state != CopyState::Zoomed;
    const QSize size = zoomedSize((fromShown ? woven : unzoomed).size(), percent);
    if (!pictureAllowed(ws, size))
        return;
    platform::Surface &scratch = ws.wovenZoomScratch();
    SurfaceRollback rollback{&woven, &unzoomed, &scratch};
    if (fromShown)
        unzoomed.setPicture(woven.image());

    scratch.move(ws.picture(Picture::Base).pos());
    const QImage zoomed = stretchOnto(scratch, unzoomed, percent);
    woven.move(scratch.pos());
    takeZoomed(woven, zoomed);
    scratch.hide();
    showTabSurface(ws);
    if (!rollback.keepIfMade(ws, size))
        return;

    flags.copyState[Picture::Woven] = CopyState::Zoomed;
    recipes::recordZoom(ws.log(), recipes::ZoomTarget::Woven, percentText, int(flags.copyState[Picture::Woven]));
}

} // namespace weftara::workspace
