#pragma once

#include "collections/collections.h"
#include "collections/pictureloading.h"
#include "output/printing.h"
#include "output/snapshotstore.h"
#include "platform/programfolder.h"
#include "platform/surface.h"
#include "settings/settings.h"
#include "support/imagecompare.h"
#include "support/scripteddialogs.h"
#include "textweave/textweaver.h"
#include "workspace/workspaceform.h"

#include <QTemporaryDir>

#include <functional>

namespace weftara::testing {

// Keeps the pages it is asked to print; `onPrint` runs inside each job.
struct RecordingPrinter final : platform::Printer
{
    void chooseSettings() override {}
    bool print(const platform::PrintedPage &page) override;

    QList<platform::PrintedPage> pages;
    std::function<void()> onPrint;
};

// A never-shown workspace form on a temporary program folder, with the
// loaders, the collections, text mode, printing and the snapshot store.
struct OutputFixture
{
    OutputFixture();

    QTemporaryDir dir;
    platform::ProgramFolder programFolder{dir.path()};
    ScriptedDialogs dialogs;
    workspace::WorkspaceForm form{dialogs};
    workspace::Workspace &ws;
    settings::Settings settings{settings::Settings::pathIn(programFolder), dialogs};
    collections::PictureLoading loading{ws, programFolder};
    collections::Collections collections{ws, settings, programFolder, loading};
    textweave::TextWeaver textWeaver{ws, dialogs};
    RecordingPrinter printer;
    output::Printing printing{ws, textWeaver, printer};
    output::SnapshotStore store{ws, loading, collections};

    // Makes `picture` the woven picture, shown on the woven tab.
    void showWoven(const QImage &picture);
    QImage woven() { return ws.picture(workspace::Picture::Woven).image(); }
};

// The bounding box of the pixels that are not white (within a little).
QRect inkBounds(const QImage &image);

} // namespace weftara::testing
