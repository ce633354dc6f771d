#pragma once

#include "collections/collectionsheet.h"
#include "collections/pathmode.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace weftara::platform {
class ProgramFolder;
} // namespace weftara::platform

namespace weftara::workspace {
class Workspace;
} // namespace weftara::workspace

namespace weftara::settings {
class Settings;
} // namespace weftara::settings

namespace weftara::collections {

class PictureLoading;

// The two collections on tabs 1 "元絵集" and 2 "柄絵集": thumbnail sheets
// Picture1(3) (100-pixel cells, 5 to a row) and Picture1(4) (40-pixel
// cells, 10 to a row) of every file in the stored folder, the path lists
// List1(0) / List1(1), and the thumbnail clicks that load a picture.
//
// A collection is drawn when its tab is selected and its folder differs
// from the one drawn last; a fill that stopped at a file that is not a
// picture counts as drawn too.
class Collections : public QObject
{
    Q_OBJECT

public:
    // All three must outlive this object. The sheets' clicks and the
    // collection tabs are connected here.
    Collections(workspace::Workspace &ws, settings::Settings &settings, const platform::ProgramFolder &programFolder,
                PictureLoading &loading, QObject *parent = nullptr);

    // Fills the base / pattern collection from the stored folder (or the
    // program folder's "Motoe" / "Garae"), unless the sheet already shows
    // that folder.
    void MotoeShuLoad();
    void GaraeShuLoad();

    // A mouse press at `position` (pixels) on the base / pattern sheet.
    void motoeSheetPressed(QPoint position);
    void garaeSheetPressed(QPoint position);

    // The full paths of the base (0) / pattern (1) collection, in thumbnail
    // order; never shown.
    const QStringList &List1(int k) const { return m_list1.at(std::size_t(k)); }
    // The folders the sheets show; empty before the first fill.
    const QString &MotoeLastPath() const { return m_lastPath[0]; }
    const QString &GaraeLastPath() const { return m_lastPath[1]; }
    std::int16_t MotoeCellSize() const { return m_cellSize[0]; }
    std::int16_t GaraeCellSize() const { return m_cellSize[1]; }

signals:
    // The folder panel should open to set the base or pattern folder (a
    // collection has no usable folder, or a file in it is not a picture).
    void folderPanelRequested(int mode);
    // A base thumbnail was clicked: before the load, text mode ends (the
    // text panel Frame3 hides, Frame1 shows, the text box Text7 hides and
    // text placement ends).
    void baseThumbnailChosen();
    // After a base thumbnail's load: text placement ends and the text and
    // print panels (Frame3, Frame4) hide. Frame1 has been shown already.
    void basePictureChosen();

private:
    // Which collection: 0 base, 1 pattern.
    void fill(int k);
    void showSheet(int k);
    void onCollectionTab(int tab);

    workspace::Workspace &m_ws;
    settings::Settings &m_settings;
    const platform::ProgramFolder &m_programFolder;
    PictureLoading &m_loading;
    std::array<QStringList, 2> m_list1;
    std::array<QString, 2> m_lastPath;
    std::array<std::int16_t, 2> m_cellSize{MotoeGrid.cell, GaraeGrid.cell};
    // The drawn sheets, kept so that a sheet resized with the window shows
    // the thumbnails again without reading the files.
    std::array<QImage, 2> m_sheets;
};

} // namespace weftara::collections
