#pragma once

#include "collections/collectionsheet.h"
#include "collections/foldermode.h"
#include "workspace/workspace.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>

namespace weftara::platform {
class ProgramFolder;
} // namespace weftara::platform

namespace weftara::settings {
class Settings;
} // namespace weftara::settings

namespace weftara::collections {

class PictureLoading;
class ThumbnailCache;

// The two collections on the tabs "元絵集" and "柄絵集": thumbnail sheets of
// every picture in the stored folder (base pictures in 100-pixel cells, 5 to
// a row; patterns in 40-pixel cells, 10 to a row), the paths behind the
// thumbnails, and the thumbnail clicks that load a picture.
//
// A collection is drawn when its tab is selected and its folder differs
// from the one drawn last. Files that cannot be read as pictures are left
// out and named in one message; a folder without a single picture is not
// taken as drawn, and the folder panel opens for it. A fill that takes a
// while shows its progress; one the user cancelled is not taken as drawn.
class Collections : public QObject
{
    Q_OBJECT

public:
    // All four must outlive this object. The sheets' clicks and the
    // collection tabs are connected here.
    Collections(workspace::Workspace &ws, settings::Settings &settings, const platform::ProgramFolder &programFolder,
                PictureLoading &loading, QObject *parent = nullptr);

    // Fills the collection of a collection tab from the stored folder (or
    // the program folder's "Motoe" / "Garae"), unless the sheet already
    // shows that folder.
    void fill(workspace::Tab collectionTab);

    // Thumbnails come from and go to `cache` (which must outlive this
    // object); without one every picture is read.
    void setThumbnailCache(const ThumbnailCache *cache) { m_thumbnailCache = cache; }

    // A mouse press at `position` (pixels) on the base / pattern sheet.
    void onBaseSheetPressed(QPoint position);
    void onPatternSheetPressed(QPoint position);

    // What a click on a thumbnail does, for any picture file (a dropped
    // one, one named on the command line): loads it as the base picture and
    // makes the workspace ready for a pattern; or, once a base picture is
    // there, loads it as the pattern picture and shows it.
    void chooseBase(QString path);
    void choosePattern(QString path);

    // The full paths of a collection's thumbnails, in thumbnail order.
    const QStringList &thumbnailPaths(workspace::Tab collectionTab) const;
    // The folder a sheet shows; empty before its first fill.
    const QString &sheetFolder(workspace::Tab collectionTab) const;

signals:
    // The folder panel should open to set the base or pattern folder (a
    // collection has no usable folder, or its folder holds no picture).
    void folderPanelRequested(weftara::collections::FolderMode mode);
    // A base thumbnail was clicked; text mode ends before the load.
    void baseThumbnailChosen();
    // A base thumbnail's load has run and the control panel is shown again.
    void basePictureChosen();

private:
    // What the collections keep for each tab: 0 base, 1 pattern.
    struct Sheet
    {
        QStringList paths;
        QString folder;
        // The drawn sheet, kept so that a sheet resized with the window
        // shows the thumbnails again without reading the files.
        QImage image;
    };
    static std::size_t indexOf(workspace::Tab collectionTab);
    void showSheet(std::size_t k);

    workspace::Workspace &m_ws;
    settings::Settings &m_settings;
    const platform::ProgramFolder &m_programFolder;
    PictureLoading &m_loading;
    std::array<Sheet, 2> m_sheets;
    const ThumbnailCache *m_thumbnailCache = nullptr;
};

} // namespace weftara::collections
