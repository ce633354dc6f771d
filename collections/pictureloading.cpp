#include "collections/pictureloading.h"

#include "collections/picturefile.h"
#include "collections/picturepath.h"
#include "platform/surface.h"
#include "recipes/loggroups.h"
#include "workspace/surfaceops.h"
#include "workspace/workspace.h"

#include <QBrush>
#include <QLineEdit>
#include <QPainter>

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

} // namespace

PictureLoading::PictureLoading(workspace::Workspace &ws, const platform::ProgramFolder &programFolder)
    : m_ws(ws)
    , m_programFolder(programFolder)
{
}

std::optional<StoredBasePicture> PictureLoading::readBase(const QString &path) const
{
    if (m_hozonLoadFlg) {
        if (!m_hozonSource)
            return std::nullopt;
        std::optional<StoredBasePicture> stored = m_hozonSource();
        if (!stored || stored->picture.isNull())
            return std::nullopt;
        if (stored->preview.isNull())
            stored->preview = stored->picture;
        return stored;
    }
    PictureFile file = readPictureFile(path);
    if (!file.ok())
        return std::nullopt;
    return StoredBasePicture{file.image, file.image};
}

void PictureLoading::showTab(int t)
{
    if (m_ws.selectedTab() == t)
        workspace::showTabSurface(m_ws);
    else
        m_ws.selectTab(t);
}

bool PictureLoading::MotoeLoad(QString &path)
{
    // The picture is read before anything is emptied: a file that cannot be
    // read leaves the old base picture together with its pattern, woven
    // picture and hidden copies, which the tone and zoom still rely on.
    path = resolvePicturePath(path, m_programFolder, MotoeFallbackFolder);
    const std::optional<StoredBasePicture> picture = readBase(path);
    if (!picture) {
        m_ws.message(baseFailureMessage());
        return false;
    }

    for (int k : {1, 2})
        m_ws.Picture1(k).clearPicture();
    for (int k : {0, 1, 2})
        m_ws.Picture3(k).clearPicture();

    platform::Surface &base = m_ws.Picture1(0);
    platform::Surface &copy = m_ws.Picture3(0);
    base.setAutoSize(true);
    copy.setAutoSize(true);
    base.setPicture(picture->picture);
    copy.setPicture(picture->preview);
    m_hozonLoadFlg = false;
    m_ws.flags().GaraeSentakuFlg = false;

    m_ws.Picture1(1).clearPicture();
    base.refresh();
    base.setAutoSize(false);

    showTab(workspace::TabMotoe);
    m_ws.controls().Text4->setText(QStringLiteral("100"));
    m_ws.flags().FlgState = {0, 0, 0};
    recipes::recordBaseLoad(m_ws.LstLog(), path);
    return true;
}

bool PictureLoading::GaraeLoad(QString &path)
{
    path = resolvePicturePath(path, m_programFolder, GaraeFallbackFolder);
    const PictureFile file = readPictureFile(path);
    if (!file.ok()) {
        m_ws.message(patternFailureMessage());
        return false;
    }

    platform::Surface &base = m_ws.Picture1(0);
    platform::Surface &pattern = m_ws.Picture1(1);
    platform::Surface &loaded = m_ws.Picture2(0);
    pattern.cls();
    loaded.cls();
    pattern.setAutoSize(false);
    pattern.setGeometry(base.geometry());
    m_ws.Picture1(2).setGeometry(base.geometry());
    pattern.refresh();
    base.hide();
    pattern.hide();

    loaded.setAutoSize(true);
    loaded.setPicture(file.image);
    loaded.show();
    loaded.raise();

    GaraeTile();

    loaded.hide();
    if (!m_ws.flags().LogSaiseiFlg)
        pattern.show();
    pattern.refresh();

    showTab(workspace::TabMotoe);
    recipes::recordPatternLoad(m_ws.LstLog(), path);
    return true;
}

void PictureLoading::GaraeTile()
{
    const platform::Surface &tile = m_ws.Picture2(0);
    platform::Surface &pattern = m_ws.Picture1(1);
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

    platform::Surface &copy = m_ws.Picture3(2);
    copy.setGeometry(tile.geometry());
    copy.hide();
    copy.setPicture(pattern.image());
    pattern.refresh();
}

} // namespace weftara::collections
