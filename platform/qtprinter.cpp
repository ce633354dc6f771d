#include "platform/qtprinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace weftara::platform {

QtPrinter::QtPrinter(QWidget *parent)
    : m_parent(parent)
{
}

QtPrinter::~QtPrinter() = default;

QPrinter &QtPrinter::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void QtPrinter::chooseSettings()
{
    QPrintDialog dialog(&printer(), m_parent.data());
    dialog.exec();
}

bool QtPrinter::print(const PrintedPage &page)
{
    const QSizeF paper = page.paper;
    if (!(paper.width() > 0 && paper.height() > 0))
        return false;
    QPrinter &device = printer();
    // A size within a millimetre of a standard paper (postcard, A4) is sent
    // as that paper, so that the printer takes it from the right tray; the
    // picture is placed from the top left corner either way.
    const QPageSize size(QSizeF(std::min(paper.width(), paper.height()), std::max(paper.width(), paper.height())),
                         QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    QPageLayout layout(size, paper.width() > paper.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(), QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    device.setFullPage(true);
    device.setPageLayout(layout);
    // The program prints each copy as a job of its own.
    device.setCopyCount(1);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double dotsPerMillimetre = device.resolution() / 25.4;
    painter.scale(dotsPerMillimetre, dotsPerMillimetre);
    painter.setClipRect(QRectF(QPointF(0, 0), paper));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!page.picture.isNull() && page.place.isValid())
        painter.drawImage(page.place, page.picture);
    return painter.end();
}

} // namespace weftara::platform
