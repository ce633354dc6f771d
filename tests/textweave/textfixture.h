#pragma once

#include "support/scripteddialogs.h"
#include "textweave/textbox.h"
#include "textweave/textpanel.h"
#include "textweave/textweaver.h"
#include "workspace/workspace.h"
#include "workspace/workspaceform.h"

#include <QImage>
#include <QStringList>

#include "support/imagecompare.h"

namespace weftara::testing {

// An RGB32 picture of one colour.
QImage uniformPicture(int width, int height, QRgb color);

// The bounding box of the pixels whose colour differs from `background`;
// empty when there are none.
QRect inkBounds(const QImage &image, QRgb background);
// The rows of `image` that hold a pixel of another colour than `background`,
// grouped into bands of consecutive rows (first, last).
QList<QPair<int, int>> inkBands(const QImage &image, QRgb background);

// A workspace form that is never shown, with scripted dialogs and the text
// overlay on it.
class TextFixture
{
public:
    TextFixture();

    ScriptedDialogs dialogs;
    workspace::WorkspaceForm form{dialogs};
    workspace::Workspace &ws;
    textweave::TextWeaver weaver{ws, dialogs};
    textweave::TextPanel &panel;
    textweave::TextBox &box;
    textweave::PlacedText &placed;

    // A base picture loaded (and logged) as the loader does, no pattern,
    // and the woven picture made from it: the woven picture is `picture`.
    void loadWoven(const QImage &picture);

    // What the woven picture shows.
    QImage woven();
    QStringList log() const { return ws.log().lines(); }
    // The text box filled and placed as the user (or replay) does.
    void typeText(const QString &text, float left, float top);
};

} // namespace weftara::testing
