#include "collections/collections.h"

#include "collections/pictureloading.h"
#include "collections/picturepath.h"
#include "platform/busycursor.h"
#include "platform/dialogs.h"
#include "platform/filenames.h"
#include "platform/programfolder.h"
#include "platform/surface.h"
#include "settings/settings.h"
#include "workspace/controlpanel.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace weftara::collections {

namespace {

using workspace::Picture;
using workspace::Tab;

// What tells the two collections apart.
struct Collection
{
    QStringView settingsKey;
    QStringView ownFolder;
    SheetGrid grid;
    FolderMode mode;
    const char16_t *message;
    const char16_t *progress;
};

const std::array<Collection, 2> Kinds{{
    {settings::BaseFolderKey, BaseCollectionFolder, BaseGrid, FolderMode::Base,
     u"「元絵集」と「柄絵集」のパスを設定してください", u"元絵集を読み込んでいます…"},
    {settings::PatternFolderKey, PatternCollectionFolder, PatternGrid, FolderMode::Pattern,
     u"柄絵集のパスを設定してください。", u"柄絵集を読み込んでいます…"},
}};

QString chooseBaseFirstMessage()
{
    return QStringLiteral("元絵を先に選択してくださいね。");
}

// One message for all the files a fill left out, the first few by name.
QString leftOutMessage(const QStringList &paths)
{
    constexpr qsizetype Named = 10;
    QString text = QStringLiteral("画像として読めないファイルを省きました（%1 件）：").arg(paths.size());
    for (qsizetype i = 0; i < std::min(Named, paths.size()); ++i)
        text += u'\n' + platform::displayFileName(platform::fileNameOf(paths[i]));
    if (paths.size() > Named)
        text += QStringLiteral("\nほか %1 件").arg(paths.size() - Named);
    return text;
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

platform::Surface &sheetSurface(workspace::Workspace &ws, std::size_t k)
{
    return k == 0 ? ws.baseSheet() : ws.patternSheet();
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
    connect(&ws, &workspace::Workspace::collectionTabSelected, this, &Collections::fill);
    connect(&ws.baseSheet(), &platform::Surface::mousePressed, this,
            [this](Qt::MouseButton, QPoint position) { onBaseSheetPressed(position); });
    connect(&ws.patternSheet(), &platform::Surface::mousePressed, this,
            [this](Qt::MouseButton, QPoint position) { onPatternSheetPressed(position); });
}

std::size_t Collections::indexOf(Tab collectionTab)
{
    return collectionTab == Tab::PatternCollection ? 1 : 0;
}

const QStringList &Collections::thumbnailPaths(Tab collectionTab) const
{
    return m_sheets[indexOf(collectionTab)].paths;
}

const QString &Collections::sheetFolder(Tab collectionTab) const
{
    return m_sheets[indexOf(collectionTab)].folder;
}

void Collections::fill(Tab collectionTab)
{
    const std::size_t k = indexOf(collectionTab);
    const Collection &kind = Kinds[k];
    Sheet &sheet = m_sheets[k];
    const auto fail = [this, &kind] {
        m_ws.dialogs().message(QString::fromUtf16(kind.message));
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
    if (folder == sheet.folder) {
        showSheet(k);
        return;
    }

    sheet.folder = folder;
    sheet.paths.clear();
    platform::Surface &surface = sheetSurface(m_ws, k);
    CollectionSheet result;
    {
        const platform::BusyCursor pointer;
        const std::unique_ptr<platform::Progress> progress =
            m_ws.dialogs().startProgress(QString::fromUtf16(kind.progress));
        FillOptions options;
        options.cache = m_thumbnailCache;
        if (progress)
            options.progress = [&progress](int done, int total) { return progress->report(done, total); };
        result = fillCollectionSheet(folder, sheetExtent(surface.size()), kind.grid, surface.backColor(), options);
    }
    sheet.paths = result.paths;
    sheet.image = result.sheet;
    showSheet(k);
    // A fill the user stopped keeps what it read; the next selection of the
    // tab fills the folder again.
    if (result.status == FillStatus::Cancelled) {
        sheet.folder.clear();
        return;
    }
    if (!result.leftOut.isEmpty())
        m_ws.dialogs().message(leftOutMessage(result.leftOut));
    if (result.status != FillStatus::Complete) {
        // Tried again at the next selection, when pictures may have come.
        sheet.folder.clear();
        fail();
        return;
    }

    if (collectionTab == Tab::PatternCollection) {
        // A pattern lies over the base picture again. An empty pattern keeps
        // its size: a tab the log does not record must not change what the
        // effects on it act on.
        platform::Surface &base = m_ws.picture(Picture::Base);
        platform::Surface &pattern = m_ws.picture(Picture::Pattern);
        base.setAutoSize(false);
        if (pattern.hasPicture())
            pattern.setGeometry(base.geometry());
        pattern.refresh();
    }
}

void Collections::showSheet(std::size_t k)
{
    platform::Surface &surface = sheetSurface(m_ws, k);
    surface.setAutoSize(false);
    if (m_sheets[k].image.isNull())
        surface.clearPicture();
    else
        surface.setPicture(m_sheets[k].image);
    surface.refresh();
}

void Collections::onBaseSheetPressed(QPoint position)
{
    const QStringList &paths = m_sheets[0].paths;
    const std::optional<int> index = thumbnailIndexAt(position, Kinds[0].grid, int(paths.size()));
    // A snapshot loads also from an empty collection; the log then names
    // the fallback folder.
    if (!index && !m_loading.snapshotPending())
        return;
    chooseBase(index ? paths.at(*index) : QString());
}

void Collections::chooseBase(QString path)
{
    emit baseThumbnailChosen();
    const bool loaded = m_loading.loadBase(path);

    m_ws.picture(Picture::Pattern).hide();
    m_ws.picture(Picture::Woven).hide();
    m_ws.picture(Picture::Woven).clearPicture();
    workspace::Flags &flags = m_ws.flags();
    // A load that failed leaves the earlier base picture (if any) in place.
    flags.baseLoaded = flags.baseLoaded || loaded;
    flags.wovenUpToDate = false;
    workspace::Controls &c = m_ws.controls();
    c.weaveRatioSlider.setValue(50);
    c.zoomSlider.setValue(100);
    c.toneSlider.setValue(0);

    if (c.controlPanel)
        c.controlPanel->show();
    emit basePictureChosen();
}

void Collections::onPatternSheetPressed(QPoint position)
{
    const QStringList &paths = m_sheets[1].paths;
    if (const std::optional<int> index = thumbnailIndexAt(position, Kinds[1].grid, int(paths.size())))
        choosePattern(paths.at(*index));
}

void Collections::choosePattern(QString path)
{
    workspace::Flags &flags = m_ws.flags();
    if (!flags.baseLoaded) {
        m_ws.dialogs().message(chooseBaseFirstMessage());
        m_ws.selectTab(Tab::BaseCollection);
        return;
    }

    const bool loaded = m_loading.loadPattern(path);
    // A pattern that could not be read leaves the earlier one (if any).
    flags.patternLoaded = flags.patternLoaded || loaded;
    flags.wovenUpToDate = false;
    m_ws.selectTab(Tab::Pattern);
}

} // namespace weftara::collections
