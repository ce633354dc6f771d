#pragma once

#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace weftara::output {

// The paper sizes the print panel offers: a name padded with blanks, the
// width and the height in millimetres, separated by ",".
const QStringList &paperEntries();

// An entry split at ",": the name, the width text and the height text, each
// as it stands (blanks kept); a missing field is empty.
struct PaperEntry
{
    QString name;
    QString width;
    QString height;
};
PaperEntry splitPaperEntry(const QString &entry);

// The largest paper side taken, in millimetres (larger than A0), so that a
// mistyped size cannot ask for a preview larger than memory.
inline constexpr double MaxPaperMillimetres = 1200.0;

// A paper side typed in a box, read leniently; unreadable or negative gives
// 0, and the side is held to MaxPaperMillimetres.
double paperMillimetres(const QString &text);

// The page preview shows 50 twips per millimetre of paper, that is 10 / 3
// pixels; a postcard of 100 × 148 mm is 333 × 493 pixels.
inline constexpr double PreviewPixelsPerMillimetre = 50.0 / 15.0;
QSize previewSize(QSizeF paper);

// At 100 percent a picture pixel is printed at the screen's size, 1/96 inch.
inline constexpr double MillimetresPerPixel = 25.4 / 96.0;

// Where the woven picture of `picture` pixels lies on the page, in
// millimetres: its top left corner at (left, top), scaled by `percent`.
QRectF picturePlace(QSize picture, int percent, int left, int top);

// Where a page composed at preview scale lies: at the top left corner, one
// preview pixel to the preview's millimetre.
QRectF composedPagePlace(QSize page);

// A place in millimetres in preview pixels.
QRectF inPreviewPixels(const QRectF &millimetres);

} // namespace weftara::output
