#pragma once

#include <QObject>

#include <memory>

class QWidget;

namespace weftara::collections {
class Collections;
class PictureLoading;
} // namespace weftara::collections

namespace weftara::platform {
class Desktop;
class QtPrinter;
} // namespace weftara::platform

namespace weftara::textweave {
class TextWeaver;
} // namespace weftara::textweave

namespace weftara::workspace {
class Workspace;
} // namespace weftara::workspace

namespace weftara::output {

class Printing;
class SnapshotStore;

// Getting the picture out of the program: saving, printing through Qt's
// printer, the snapshot store and the exchange with a paint program. The
// main window connects its menu items to these handlers.
class Output : public QObject
{
    Q_OBJECT

public:
    // The print and snapshot panels go beside the control panel; the
    // printer dialog opens over `window`; `desktop` starts the paint
    // program. Everything passed in must outlive this object.
    Output(workspace::Workspace &ws, collections::PictureLoading &loading, collections::Collections &collections,
           textweave::TextWeaver &textWeaver, platform::Desktop &desktop, QWidget *window,
           QObject *parent = nullptr);
    ~Output() override;

    Printing &printing() { return *m_printing; }
    SnapshotStore &snapshotStore() { return *m_snapshotStore; }

    // Closes the print panel if it is open (another panel takes its place).
    void closePrintPanel();
    void savePicture();
    void sendToPaint();
    void takeFromPaint();

private:
    workspace::Workspace &m_ws;
    platform::Desktop &m_desktop;
    std::unique_ptr<platform::QtPrinter> m_printer;
    Printing *m_printing = nullptr;
    SnapshotStore *m_snapshotStore = nullptr;
};

} // namespace weftara::output
