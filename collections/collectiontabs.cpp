#include "collections/collectiontabs.h"

#include "collections/pictureloading.h"
#include "collections/picturepath.h"
#include "platform/busycursor.h"
#include "platform/surface.h"
#include "settings/settings.h"
#include "workspace/workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QWidget>

namespace weftara::collections {

namespace {

// What tells the two collections apart.
struct Collection
{
    QStringView settingsKey;
    QStringView ownFolder;
    SheetGrid grid;
    int sheet;  // Picture1 index
    int mode;   // folder panel mode
    const char16_t *message;
};

const std::array<Collection, 2> Kinds{{
    {settings::BaseFolderKey, MotoeCollectionFolder, MotoeGrid, 3, PathModeMotoe,
     u"「元絵集」と「柄絵集」のパスを設定してください"},
    {settings::PatternFolderKey, GaraeCollectionFolder, GaraeGrid, 4, PathModeGarae,
     u"柄絵集のパスを設定してください。"},
}};

QString chooseBaseFirstMessage()
{
    return QStringLiteral("元絵を先に選択してくださいね。");
}

// One spelling per folder, so that the last-drawn test compares like with
// like ("pics/", "pics" and "pics/." are the same folder).
QString canonicalFolder(const QString &folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

// A sheet large enough for the window at any size up to the screen's, so
// that enlarging the window later shows thumbnails already drawn.
QSize sheetExtent(QSize sheet)
{
    QSize extent = sheet.expandedTo(QSize(0, 0));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        extent = extent.expandedTo(screen->availableVirtualSize());
    return extent;
}

} // namespace

Collections::Collections(workspace::Workspace &ws, settings::Settings &settings,
                         const platform::ProgramFolder &programFolder, PictureLoading &loading,
                         QObject *parent)
    : QObject(parent)
    , m_ws(ws)
    , m_settings(settings)
    , m_programFolder(programFolder)
    , m_loading(loading)
{
    connect(&ws, &workspace::Workspace::collectionTabSelected, this, &Collections::onCollectionTab);
    connect(&ws.Picture1(Kinds[0].sheet), &platform::Surface::mousePressed, this,
            [this](Qt::MouseButton, QPoint position) { motoeSheetPressed(position); });
    connect(&ws.Picture1(Kinds[1].sheet), &platform::Surface::mousePressed, this,
            [this](Qt::MouseButton, QPoint position) { garaeSheetPressed(position); });
}

void Collections::onCollectionTab(int tab)
{
    if (tab == workspace::TabMotoeShu)
        MotoeShuLoad();
    else if (tab == workspace::TabGaraeShu)
        GaraeShuLoad();
}

void Collections::MotoeShuLoad()
{
    fill(0);
}

void Collections::GaraeShuLoad()
{
    fill(1);
}

void Collections::fill(int k)
{
    const Collection &kind = Kinds.at(std::size_t(k));
    const auto i = std::size_t(k);
    m_cellSize[i] = std::int16_t(kind.grid.cell);
    const auto fail = [this, &kind] {
        m_ws.message(QString::fromUtf16(kind.message));
        emit folderPanelRequested(kind.mode);
    };

    const QString stored = m_settings.value(kind.settingsKey, QString());
    const std::optional<QString> found = collectionFolderToFill(stored, m_programFolder, kind.ownFolder);
    // A folder that cannot be listed is not taken as drawn: it is tried
    // again at the next selection of the tab.
    if (!found || !collectionFiles(*found)) {
        fail();
        return;
    }
    const QString folder = canonicalFolder(*found);
    if (folder == m_lastPath[i]) {
        showSheet(k);
        return;
    }

    m_lastPath[i] = folder;
    m_list1[i].clear();
    platform::Surface &sheet = m_ws.Picture1(kind.sheet);
    const SheetGrid grid{m_cellSize[i], kind.grid.columns};
    CollectionSheet result;
    {
        const platform::BusyCursor pointer;
        result = fillCollectionSheet(folder, sheetExtent(sheet.size()), grid, sheet.backColor());
    }
    m_list1[i] = result.paths;
    m_sheets[i] = result.sheet;
    showSheet(k);
    if (result.status != FillStatus::Complete) {
        fail();
        return;
    }

    if (k == 1) {
        // The pattern surface lies over the base picture again.
        platform::Surface &base = m_ws.Picture1(0);
        platform::Surface &pattern = m_ws.Picture1(1);
        base.setAutoSize(false);
        pattern.setGeometry(base.geometry());
        pattern.refresh();
    }
}

void Collections::showSheet(int k)
{
    platform::Surface &sheet = m_ws.Picture1(Kinds.at(std::size_t(k)).sheet);
    sheet.setAutoSize(false);
    if (m_sheets.at(std::size_t(k)).isNull())
        sheet.clearPicture();
    else
        sheet.setPicture(m_sheets.at(std::size_t(k)));
    sheet.refresh();
}

void Collections::motoeSheetPressed(QPoint position)
{
    const SheetGrid grid{m_cellSize[0], Kinds[0].grid.columns};
    const std::optional<int> index = thumbnailIndexAt(position, grid, int(m_list1[0].size()));
    if (!index)
        return;
    emit baseThumbnailChosen();

    QString path = m_list1[0].at(*index);
    const bool loaded = m_loading.MotoeLoad(path);

    m_ws.Picture1(1).hide();
    m_ws.Picture1(2).hide();
    m_ws.Picture1(2).clearPicture();
    workspace::Flags &flags = m_ws.flags();
    // A load that failed leaves the earlier base picture (if any) in place.
    flags.MotoeSentakuFlg = flags.MotoeSentakuFlg || loaded;
    flags.OrikomiFlg = false;
    const workspace::Controls &c = m_ws.controls();
    c.HScroll1->setValue(50);
    c.HScroll3->setValue(100);
    c.HScroll2->setValue(0);

    if (c.Frame1)
        c.Frame1->show();
    emit basePictureChosen();
}

void Collections::garaeSheetPressed(QPoint position)
{
    const SheetGrid grid{m_cellSize[1], Kinds[1].grid.columns};
    const std::optional<int> index = thumbnailIndexAt(position, grid, int(m_list1[1].size()));
    if (!index)
        return;
    workspace::Flags &flags = m_ws.flags();
    if (!flags.MotoeSentakuFlg) {
        m_ws.message(chooseBaseFirstMessage());
        m_ws.selectTab(workspace::TabMotoeShu);
        return;
    }

    QString path = m_list1[1].at(*index);
    const bool loaded = m_loading.GaraeLoad(path);
    // A pattern that could not be read leaves the earlier one (if any).
    flags.GaraeSentakuFlg = flags.GaraeSentakuFlg || loaded;
    flags.OrikomiFlg = false;
    m_ws.selectTab(workspace::TabGarae);
}

} // namespace weftara::collections
