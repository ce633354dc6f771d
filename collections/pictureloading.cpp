#include "collections/pictureloading.h"

#include "collections/picturefile.h"
#include "collections/picturepath.h"
#include "platform/dialogs.h"
#include "platform/picturememory.h"
#include "platform/surface.h"
#include "recipes/loggroups.h"
#include "workspace/surfaceops.h"

#include <QBrush>
#include <QPainter>

#include <utility>

namespace weftara::collections {

namespace {

QString baseFailureMessage()
{
    return QStringLiteral("画像ファイル又はパスが見つかりません。");
}

QString patternFailureMessage()
{
    return QStringLiteral("柄絵が読めません");
}

// A picture too large for the machine says so; any other failure keeps the
// loader's own message.
QString failureMessage(const PictureFile &file, const QString &otherwise)
{
    return file.error == PictureError::TooLarge ? platform::pictureTooLargeMessage(file.fullSize) : otherwise;
}

} // namespace

PictureLoading::PictureLoading(workspace::Workspace &ws, const platform::ProgramFolder &programFolder)
    : m_ws(ws)
    , m_programFolder(programFolder)
{
}

void PictureLoading::showTab(workspace::Tab tab)
{
    if (m_ws.selectedTab() == tab)
        workspace::showTabSurface(m_ws);
    else
        m_ws.selectTab(tab);
}

bool PictureLoading::loadBase(QString &path)
{
    using workspace::Picture;
    // The picture is read before anything is emptied: a file that cannot be
    // read leaves the old base picture together with its pattern, woven
    // picture and hidden copies, which the tone and zoom still rely on.
    path = resolvePicturePath(path, m_programFolder, BaseFallbackFolder);
    // A snapshot serves one load only, and it gives the copy too: the copy
    // is what zoom and tone start from again, so it must be the whole
    // picture and not the store's stretched preview.
    PictureFile file = m_snapshot.isNull() ? readPictureFile(path) : PictureFile{std::exchange(m_snapshot, {}), PictureError::None, {}};
    if (!file.ok()) {
        m_ws.dialogs().message(failureMessage(file, baseFailureMessage()));
        return false;
    }

    platform::Surface &base = m_ws.picture(Picture::Base);
    platform::Surface &copy = m_ws.copy(Picture::Base);
    workspace::SurfaceRollback rollback{&base, &m_ws.picture(Picture::Pattern), &m_ws.picture(Picture::Woven), &copy,
                                        &m_ws.copy(Picture::Pattern), &m_ws.copy(Picture::Woven)};
    // The pattern and the woven picture are empty as in a freshly opened
    // window, whatever size the pictures before them had: effects on them
    // then act alike in a replay, which starts from a fresh window.
    for (const Picture picture : {Picture::Pattern, Picture::Woven}) {
        m_ws.picture(picture).clearPicture();
        m_ws.picture(picture).setPixelSize(0, 0);
    }
    // Their hidden copies go too, size and all: a tone of the empty pattern
    // would otherwise take the old copy's blank area as its picture.
    for (const Picture picture : workspace::Pictures) {
        m_ws.copy(picture).clearPicture();
        m_ws.copy(picture).setPixelSize(0, 0);
    }

    base.setAutoSize(true);
    copy.setAutoSize(true);
    const QSize size = file.image.size();
    base.setPicture(std::move(file.image));
    copy.setPicture(base.picture());
    if (!rollback.keepIfMade(m_ws, size)) {
        base.setAutoSize(false);
        return false;
    }
    m_ws.flags().patternLoaded = false;

    base.refresh();
    base.setAutoSize(false);

    showTab(workspace::Tab::Base);
    m_ws.controls().zoomBox.setText(QStringLiteral("100"));
    m_ws.flags().copyState.fill(workspace::CopyState::Loaded);
    recipes::recordBaseLoad(m_ws.log(), path);
    return true;
}

bool PictureLoading::loadPattern(QString &path)
{
    using workspace::Picture;
    path = resolvePicturePath(path, m_programFolder, PatternFallbackFolder);
    const PictureFile file = readPictureFile(path);
    if (!file.ok()) {
        m_ws.dialogs().message(failureMessage(file, patternFailureMessage()));
        return false;
    }

    platform::Surface &base = m_ws.picture(Picture::Base);
    platform::Surface &pattern = m_ws.picture(Picture::Pattern);
    platform::Surface &tile = m_ws.patternTile();
    pattern.cls();
    tile.cls();
    pattern.setAutoSize(false);
    pattern.setGeometry(base.geometry());
    m_ws.picture(Picture::Woven).setGeometry(base.geometry());
    pattern.refresh();
    base.hide();
    pattern.hide();

    workspace::SurfaceRollback rollback{&pattern, &tile, &m_ws.copy(Picture::Woven)};
    tile.setAutoSize(true);
    tile.setPicture(file.image);
    tile.show();

    tilePattern();
    if (!rollback.keepIfMade(m_ws, base.size())) {
        tile.hide();
        workspace::showTabSurface(m_ws);
        return false;
    }

    tile.hide();
    if (!m_ws.flags().replaying)
        pattern.show();
    pattern.refresh();

    // The pattern's untoned copy was of the pattern before, and the tiled
    // pattern took the surface of the woven picture's untoned copy.
    workspace::Flags &flags = m_ws.flags();
    flags.copyOutdated(Picture::Pattern);
    if (flags.copyState[Picture::Woven] == workspace::CopyState::Untoned)
        flags.copyOutdated(Picture::Woven);

    showTab(workspace::Tab::Base);
    recipes::recordPatternLoad(m_ws.log(), path);
    return true;
}

void PictureLoading::tilePattern()
{
    const platform::Surface &tile = m_ws.patternTile();
    platform::Surface &pattern = m_ws.picture(workspace::Picture::Pattern);
    const int pw = tile.pixelWidth();
    const int ph = tile.pixelHeight();
    const int tw = pattern.pixelWidth();
    const int th = pattern.pixelHeight();

    QImage &canvas = pattern.image();
    if (pw > 0 && ph > 0 && tw > 0 && th > 0 && !canvas.isNull()) {
        // Copies of the pw × ph picture side by side from (0, 0), rows and
        // columns 0 … (th div ph) + 1 and 0 … (tw div pw) + 1, clipped at
        // the edges: a texture fill from the same origin lays exactly these
        // tiles, without one drawing call per tile.
        const QImage &picture = tile.hasPicture() ? tile.picture() : tile.image();
        QPainter painter(&canvas);
        painter.setBrushOrigin(0, 0);
        painter.fillRect(canvas.rect(), QBrush(picture.copy(0, 0, pw, ph)));
    }
    // The tiled pattern becomes the surface's picture, so that clearing its
    // drawing later does not take the pattern with it.
    pattern.fixDrawing();

    platform::Surface &tiledPattern = m_ws.copy(workspace::Picture::Woven);
    tiledPattern.setGeometry(tile.geometry());
    tiledPattern.hide();
    tiledPattern.setPicture(pattern.image());
    pattern.refresh();
}

} // namespace weftara::collections
