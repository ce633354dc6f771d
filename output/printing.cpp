#include "output/printing.h"

#include "output/pagelayout.h"
#include "output/printpanel.h"
#include "output/rgbimage.h"
#include "platform/dialogs.h"
#include "platform/numbertext.h"
#include "platform/surface.h"
#include "platform/surfaceview.h"
#include "textweave/textweaver.h"
#include "workspace/controlpanel.h"
#include "workspace/picturecanvas.h"
#include "workspace/picturetabs.h"
#include "workspace/surfaceops.h"
#include "workspace/workspace.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace weftara::output {

namespace {

QString printCaption()
{
    return QStringLiteral("印刷");
}

QString stopCaption()
{
    return QStringLiteral("中止");
}

QString printFailedMessage()
{
    return QStringLiteral("印刷できませんでした。「印刷設定」でプリンターか印刷先のファイルを選んでください。");
}

platform::Surface *makePageSurface(QObject *owner, const QString &name)
{
    auto *surface = new platform::Surface(owner);
    surface->setObjectName(name);
    surface->hide();
    return surface;
}

// The picture view's canvas, where the window has one.
workspace::PictureCanvas *canvasOf(const workspace::Workspace &ws)
{
    const workspace::PictureTabs *tabs = ws.controls().pictureTabs;
    return tabs ? tabs->canvas() : nullptr;
}

// Puts the view of a page surface above the pictures.
void raiseView(const workspace::Workspace &ws, const platform::Surface &surface)
{
    if (const workspace::PictureCanvas *canvas = canvasOf(ws))
        canvas->viewOf(surface)->raise();
}

// A page of `size` pixels, white.
QImage blankPage(QSize size)
{
    if (size.isEmpty())
        return {};
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

} // namespace

Printing::Printing(workspace::Workspace &ws, textweave::TextWeaver &textWeaver, platform::Printer &printer,
                   QObject *parent)
    : QObject(parent)
    , m_ws(ws)
    , m_textWeaver(textWeaver)
    , m_printer(printer)
{
    QWidget *controlPanel = ws.controls().controlPanel;
    m_panel = new PrintPanel(controlPanel ? controlPanel->parentWidget() : nullptr);
    m_panel->hide();
    m_pagePreview = makePageSurface(this, QStringLiteral("pagePreview"));
    m_wholePageView = makePageSurface(this, QStringLiteral("wholePageView"));
    // Shown over the woven picture.
    if (workspace::PictureCanvas *canvas = canvasOf(ws)) {
        canvas->addView(*m_pagePreview);
        canvas->addView(*m_wholePageView);
    }
    connectPanel();
}

void Printing::connectPanel()
{
    PrintPanel &p = *m_panel;
    connect(p.paperButton(), &QPushButton::clicked, this, &Printing::showPaperList);
    connect(p.paperList(), &QListWidget::itemClicked, this, &Printing::onPaperClicked);
    // A size typed by hand is laid out once it has been entered. A box also
    // reports that when the panel closes under it: the page stays closed.
    const auto layOutOpenPage = [this] {
        if (!m_panel->isHidden())
            layOutPage();
    };
    connect(p.paperWidthBox(), &QLineEdit::editingFinished, this, layOutOpenPage);
    connect(p.paperHeightBox(), &QLineEdit::editingFinished, this, layOutOpenPage);
    for (QScrollBar *slider : {p.pictureSizeSlider(), p.pictureLeftSlider(), p.pictureTopSlider()})
        connect(slider, &QScrollBar::valueChanged, this, layOutOpenPage);
    connect(p.wholePageButton(), &QPushButton::clicked, this, &Printing::toggleWholePage);
    connect(p.composeButton(), &QPushButton::clicked, this, &Printing::composePage);
    connect(p.printButton(), &QPushButton::clicked, this, &Printing::printOrStop);
    connect(p.closeButton(), &QPushButton::clicked, this, &Printing::closePrintPanel);
}

QSizeF Printing::paper() const
{
    return {paperMillimetres(m_panel->paperWidthBox()->text()), paperMillimetres(m_panel->paperHeightBox()->text())};
}

void Printing::openPrintPanel()
{
    platform::Surface &woven = m_ws.picture(workspace::Picture::Woven);
    if (m_textWeaver.panelShown())
        m_textWeaver.fixText();
    m_textWeaver.endTextPlacement();
    // Text drawn but not fixed is kept.
    woven.fixDrawing();

    QWidget *controlPanel = m_ws.controls().controlPanel;
    if (controlPanel) {
        m_panel->placeAt(*controlPanel);
        controlPanel->hide();
    }
    m_panel->show();
    m_panel->raise();

    if (m_ws.flags().pageComposed)
        layOutComposedPage();
    else
        layOutPage();
}

void Printing::showPrinterDialog()
{
    m_printer.chooseSettings();
}

void Printing::layOutPage()
{
    const platform::Surface &woven = m_ws.picture(workspace::Picture::Woven);
    const PrintPanel &p = *m_panel;
    m_page.paper = paper();
    m_page.picture = woven.image();
    m_page.place = picturePlace(woven.size(), p.pictureSizeSlider()->value(), p.pictureLeftSlider()->value(),
                                p.pictureTopSlider()->value());
    showPage();
}

void Printing::layOutComposedPage()
{
    const platform::Surface &woven = m_ws.picture(workspace::Picture::Woven);
    m_page.paper = paper();
    m_page.picture = woven.image();
    m_page.place = composedPagePlace(woven.size());
    showPage();
}

void Printing::showPage()
{
    platform::Surface &woven = m_ws.picture(workspace::Picture::Woven);
    platform::Surface &preview = *m_pagePreview;
    preview.move(woven.pos());
    const QSize size = previewSize(m_page.paper);
    preview.setPixelSize(size.width(), size.height());
    preview.setPicture(blankPage(size));
    // Whatever lies outside the paper is cut off, as on the printed sheet.
    preview.stretchDraw(m_page.picture, inPreviewPixels(m_page.place), platform::Surface::Stretch::Smooth);
    woven.hide();
    preview.show();
    raiseView(m_ws, preview);
    if (m_wholePageShown)
        showWholePage();
}

void Printing::showPaperList()
{
    m_panel->dropPaperList();
}

void Printing::onPaperClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    const PaperEntry entry = splitPaperEntry(item->text());
    m_panel->paperWidthBox()->setText(entry.width);
    m_panel->paperHeightBox()->setText(entry.height);
    m_panel->paperList()->hide();
    layOutPage();
}

void Printing::toggleWholePage()
{
    if (m_wholePageShown) {
        hideWholePage();
        return;
    }
    m_wholePageShown = true;
    m_panel->wholePageButton()->setText(QStringLiteral("元に戻す"));
    showWholePage();
}

void Printing::showWholePage()
{
    platform::Surface &view = *m_wholePageView;
    const platform::Surface &preview = *m_pagePreview;
    view.move(preview.pos());
    view.setPixelSize(preview.pixelWidth() / 3, preview.pixelHeight() / 3);
    view.clearPicture();
    view.stretchDraw(preview.image(), QRectF(view.rect()), platform::Surface::Stretch::Smooth);
    // The reduced page stands in for the preview.
    m_pagePreview->hide();
    view.show();
    raiseView(m_ws, view);
}

void Printing::hideWholePage()
{
    m_wholePageShown = false;
    m_wholePageView->hide();
    m_pagePreview->show();
    m_panel->wholePageButton()->setText(QStringLiteral("全体を見る"));
}

void Printing::composePage()
{
    platform::Surface &woven = m_ws.picture(workspace::Picture::Woven);
    woven.setAutoSize(true);
    woven.setPicture(m_pagePreview->image());
    woven.setAutoSize(false);
    if (m_wholePageShown)
        hideWholePage();
    m_pagePreview->hide();
    woven.show();
    m_panel->hide();
    m_ws.flags().pageComposed = true;
    m_textWeaver.toggleTextMode();
}

void Printing::printOrStop()
{
    QPushButton *button = m_panel->printButton();
    QLineEdit *copies = m_panel->copiesBox();
    if (m_printing) {
        // The run sees this between two copies.
        m_printing = false;
        button->setText(printCaption());
        copies->setText(QStringLiteral("0"));
        return;
    }

    m_printing = true;
    button->setText(stopCaption());
    const auto copiesLeft = [copies] { return platform::roundToInt32(platform::readNumber(copies->text())); };
    // An empty box, 0 or a negative number prints one copy.
    if (copiesLeft() <= 0)
        copies->setText(QStringLiteral("1"));
    while (m_printing && copiesLeft() > 0) {
        // The page as the preview shows it now: a slider moved between two
        // copies counts from the next copy on.
        platform::PrintedPage page = m_page;
        page.picture = rgbImage(m_page.picture);
        if (!m_printer.print(page)) {
            m_ws.dialogs().message(printFailedMessage());
            break;
        }
        QCoreApplication::processEvents();
        // Counting down stops at 0, so that a stopped run leaves a count the
        // next run can start from.
        copies->setText(platform::formatNumber(std::max(0, copiesLeft() - 1)));
    }
    m_printing = false;
    button->setText(printCaption());
}

void Printing::closePrintPanel()
{
    m_panel->hide();
    // Text mode, when it has just started, keeps its panel in that place.
    QWidget *controlPanel = m_ws.controls().controlPanel;
    if (controlPanel && !m_textWeaver.panelShown())
        controlPanel->show();
    if (m_wholePageShown)
        hideWholePage();
    m_pagePreview->hide();
    workspace::showTabSurface(m_ws);
}

} // namespace weftara::output
