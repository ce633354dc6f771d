#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>

namespace weftara::platform {

// One printed sheet: white paper of `paper` millimetres with `picture`
// stretched over `place` (millimetres from the sheet's top left corner),
// cut off at the sheet's edges.
struct PrintedPage
{
    QSizeF paper;
    QImage picture;
    QRectF place;
};

// The printer. The window prints through Qt's printer (QtPrinter); tests
// print into PDF files or record the pages.
class Printer
{
public:
    virtual ~Printer() = default;

    // The printer dialog. What the user chooses there (the printer, or a
    // file to print into) stays for the printing that follows.
    virtual void chooseSettings() = 0;

    // Prints the page as a print job of its own. False when the job could
    // not be started (no printer, an output file that cannot be written).
    virtual bool print(const PrintedPage &page) = 0;
};

} // namespace weftara::platform
