#pragma once

#include "collections/picturefile.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace weftara::collections {

// The grid of a thumbnail sheet: square cells of `cell` pixels, `columns`
// to a row, filled left to right and top to bottom.
struct SheetGrid
{
    int cell;
    int columns;
};

inline constexpr SheetGrid BaseGrid{100, 5};
inline constexpr SheetGrid PatternGrid{40, 10};

// Top-left corner of thumbnail `index` (0-based):
// ((index mod columns) × cell, (index div columns) × cell).
QPoint thumbnailPosition(int index, SheetGrid grid);

// The thumbnail under a click at `point` on the sheet, as a 0-based index
// (k − 1 of k = (y div cell) × columns + 1 + (x div cell)); nullopt where no
// thumbnail is: left of or above the sheet, right of the last column, or
// past the last of `thumbnailCount` thumbnails.
std::optional<int> thumbnailIndexAt(QPoint point, SheetGrid grid, int thumbnailCount);

// The files of a collection folder as full paths, sorted by name without
// regard to letter case. Subfolders and hidden files (names starting with
// ".") are not part of a collection; names that are not valid UTF-8 are (see
// platform/filenames.h). nullopt when the folder cannot be read.
std::optional<QStringList> collectionFiles(const QString &folder);

enum class FillStatus {
    Complete,         // every picture of the folder is on the sheet
    NoPicture,        // the folder holds no picture that can be read
    FolderUnreadable, // the folder does not exist or cannot be listed
    Cancelled,        // the progress report asked to stop
};

class ThumbnailCache;

// Told, on the filling thread, how many of the folder's files have been
// read; returns false to stop the fill.
using FillProgress = std::function<bool(int done, int total)>;

struct FillOptions
{
    unsigned threads = 0; // decoding threads; 0: one per core
    // Thumbnails are taken from and stored in this cache when given.
    const ThumbnailCache *cache = nullptr;
    // Called about every 50 ms while pictures are decoded, when given.
    FillProgress progress;
};

struct CollectionSheet
{
    QImage sheet;       // Format_RGB32, the size asked for
    QStringList paths;  // one full path per thumbnail, in thumbnail order
    QStringList leftOut; // files that look like pictures but cannot be read, in file order
    FillStatus status = FillStatus::Complete;
};

// Draws every picture of `folder` stretched whole into its cell of a sheet
// of `sheetSize` cleared to `background`; thumbnails below the sheet's bottom
// are left out of the image but their paths are listed. A file that cannot
// be read as a picture (empty, cut short, too large, text named .bmp) is
// left out of the sheet and the paths and named in `leftOut`, unless it
// neither holds a picture nor is named as one (notes, a thumbnail
// database), which is simply not part of the collection. Decoding runs on
// several threads; everything comes out in file order. A cancelled fill
// holds the thumbnails of the files before the first one it did not read.
CollectionSheet fillCollectionSheet(const QString &folder, QSize sheetSize, SheetGrid grid,
                                    const QColor &background = Qt::white, const FillOptions &options = {});

// One cell's thumbnail of the picture at `path`, through `cache` when given
// (pictures larger than the cache's thumbnails only).
PictureFile readCellThumbnail(const QString &path, QSize cellSize, const ThumbnailCache *cache);

} // namespace weftara::collections
