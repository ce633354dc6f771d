#pragma once

#include "platform/printer.h"

#include <QObject>

class QListWidgetItem;

namespace weftara::platform {
class Surface;
} // namespace weftara::platform

namespace weftara::textweave {
class TextWeaver;
} // namespace weftara::textweave

namespace weftara::workspace {
class Workspace;
} // namespace weftara::workspace

namespace weftara::output {

class PrintPanel;

// Printing the woven picture: the print panel in place of the control
// panel, the page preview over the woven picture with the picture laid out
// on the paper, the reduced whole-page view, composing the page for text,
// and printing the copies, one print job each.
//
// What is printed is the page as the preview last showed it, at the
// printer's resolution.
class Printing : public QObject
{
    Q_OBJECT

public:
    // The panel is created beside the control panel (same parent), the two
    // page surfaces are shown beside the woven picture. `printer` must
    // outlive this object.
    Printing(workspace::Workspace &ws, textweave::TextWeaver &textWeaver, platform::Printer &printer,
             QObject *parent = nullptr);

    PrintPanel &printPanel() { return *m_panel; }
    platform::Surface &pagePreview() { return *m_pagePreview; }
    platform::Surface &wholePageView() { return *m_wholePageView; }
    bool wholePageShown() const { return m_wholePageShown; }
    // The page as the preview shows it, as it would be printed now.
    const platform::PrintedPage &page() const { return m_page; }
    // A print run is going on (the print button reads "中止").
    bool printing() const { return m_printing; }

    // Menu "印刷(&P)...": fixes pending text, leaves text mode, opens the
    // panel and lays out the page (the composed page, after "文字入力").
    void openPrintPanel();
    // Menu "印刷設定".
    void showPrinterDialog();

    // Lays the woven picture out on the paper by the size and position
    // sliders and shows the preview.
    void layOutPage();
    // Shows the woven picture, a page composed for text, as the page.
    void layOutComposedPage();
    void showPaperList();
    void onPaperClicked(QListWidgetItem *item);
    void toggleWholePage();
    // "文字入力": the laid-out page becomes the woven picture and text mode
    // starts on it.
    void composePage();
    // "印刷" prints the copies; "中止" during a run stops it after the copy
    // being printed.
    void printOrStop();
    // "閉じる": also turns the whole-page view off.
    void closePrintPanel();

private:
    void connectPanel();
    QSizeF paper() const;
    // Draws m_page on the preview, which is placed where the woven picture
    // is and shown in its stead.
    void showPage();
    void showWholePage();
    void hideWholePage();

    workspace::Workspace &m_ws;
    textweave::TextWeaver &m_textWeaver;
    platform::Printer &m_printer;
    PrintPanel *m_panel = nullptr;
    platform::Surface *m_pagePreview = nullptr;
    platform::Surface *m_wholePageView = nullptr;
    platform::PrintedPage m_page;
    bool m_wholePageShown = false;
    bool m_printing = false;
};

} // namespace weftara::output
