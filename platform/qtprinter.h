#pragma once

#include "platform/printer.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QPrinter;

namespace weftara::platform {

// Qt's printer, kept for the whole run so that the choice made in its
// dialog holds for every later job. It is made when first needed: making it
// asks the print system for its printers.
class QtPrinter final : public Printer
{
public:
    // The dialog opens over `parent`.
    explicit QtPrinter(QWidget *parent = nullptr);
    ~QtPrinter() override;

    void chooseSettings() override;
    bool print(const PrintedPage &page) override;

    // Qt's printer itself, for sending the jobs somewhere else (a PDF file).
    QPrinter &printer();

private:
    std::unique_ptr<QPrinter> m_printer;
    QPointer<QWidget> m_parent;
};

} // namespace weftara::platform
