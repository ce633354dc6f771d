#pragma once

#include "collections/collections.h"
#include "collections/pictureloading.h"
#include "platform/programfolder.h"
#include "settings/settings.h"
#include "support/scripteddialogs.h"
#include "workspace/workspace.h"
#include "workspace/workspaceform.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QTemporaryDir>

#include <memory>

namespace weftara::testing {

// A program folder in a temporary folder with a never-shown workspace form,
// the settings store, the loaders and the collections wired to it.
class CollectionsFixture
{
public:
    CollectionsFixture();

    QTemporaryDir dir;
    platform::ProgramFolder programFolder{dir.path()};
    ScriptedDialogs dialogs;
    workspace::WorkspaceForm form{dialogs};
    workspace::Workspace &ws;
    settings::Settings settings{settings::Settings::pathIn(programFolder), dialogs};
    collections::PictureLoading loading{ws, programFolder};
    collections::Collections collections{ws, settings, programFolder, loading};

    // A path inside the program folder ("Motoe/a.bmp").
    QString path(const QString &relative) const { return dir.filePath(relative); }
    // Writes `count` pictures of one distinct colour each, named
    // p01.bmp, p02.bmp … into the program folder's `folder`, and returns
    // their paths in order.
    QStringList writePictures(const QString &folder, int count, QSize size = QSize(30, 20));
    // The colour of picture p(index + 1) written by writePictures.
    static QColor colourOf(int index);

    QStringList log() const { return ws.log().lines(); }
};

} // namespace weftara::testing
