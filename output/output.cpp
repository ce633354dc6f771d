#include "output/output.h"

#include "collections/collections.h"
#include "output/paintexchange.h"
#include "output/picturesave.h"
#include "output/printing.h"
#include "output/printpanel.h"
#include "output/snapshotstore.h"
#include "platform/qtprinter.h"

namespace weftara::output {

Output::Output(workspace::Workspace &ws, collections::PictureLoading &loading, collections::Collections &collections,
               textweave::TextWeaver &textWeaver, platform::Desktop &desktop, QWidget *window,
               QObject *parent)
    : QObject(parent)
    , m_ws(ws)
    , m_desktop(desktop)
    , m_printer(std::make_unique<platform::QtPrinter>(window))
{
    m_printing = new Printing(ws, textWeaver, *m_printer, this);
    m_snapshotStore = new SnapshotStore(ws, loading, collections, this);
    // A new base picture closes the print panel (and takes its page away).
    connect(&collections, &collections::Collections::basePictureChosen, this, &Output::closePrintPanel);
}

void Output::closePrintPanel()
{
    if (!m_printing->printPanel().isHidden())
        m_printing->closePrintPanel();
}

Output::~Output() = default;

void Output::savePicture()
{
    output::savePicture(m_ws);
}

void Output::sendToPaint()
{
    output::sendToPaint(m_ws, m_desktop);
}

void Output::takeFromPaint()
{
    output::takeFromPaint(m_ws);
}

} // namespace weftara::output
