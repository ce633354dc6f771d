#pragma once

#include "support/imagecompare.h"
#include "support/scripteddialogs.h"
#include "workspace/workspace.h"
#include "workspace/workspaceform.h"

#include <QImage>
#include <QStringList>

#include <array>
#include <functional>

namespace weftara::testing {

// The four bytes of one pixel as they lie in memory.
struct Bytes
{
    int blue = 0;
    int green = 0;
    int red = 0;
    int unused = 0;

    bool operator==(const Bytes &) const = default;
};

// An RGB32 picture whose pixel words are given by `word(x, y)`.
QImage makePicture(int width, int height, const std::function<quint32(int x, int y)> &word);
// A picture with varied colours (and byte 3 set), different for each seed.
QImage variedPicture(int width, int height, int seed);
// One colour all over.
QImage uniformPicture(int width, int height, quint32 word);

Bytes bytesAt(const QImage &image, int x, int y);
// A copy of `image` with every pixel's bytes mapped by `f` (the test's own
// formula for an operation).
QImage mapPixels(const QImage &image, const std::function<Bytes(Bytes, int x, int y)> &f);

// A workspace form that is never shown, with scripted dialogs, and helpers
// that put pictures on the surfaces as the loaders do.
class WorkspaceFixture
{
public:
    WorkspaceFixture();

    ScriptedDialogs dialogs;
    workspace::WorkspaceForm form{dialogs};
    workspace::Workspace &ws;

    // As a base load: Picture1(0) and its copy Picture3(0) take the
    // picture, pattern and woven picture are emptied, FlgState is 0, the log
    // holds the "Motoe=" line, tab 3 is selected.
    void loadBase(const QImage &picture);
    // As a pattern load: the pattern (already the base's size, as tiled)
    // lies on Picture1(1) over the base, "Garae=" is logged.
    void loadPattern(const QImage &tiled);

    // A copy of what Picture1(k) shows.
    QImage picture(int k);
    QStringList log() const { return ws.LstLog().lines(); }
    void selectTab(int t) { ws.selectTab(t); }

    // Clicks a control panel button.
    void clickCommand3(int index);
    void clickCommand8(int index);
    // The value of a slider, set as a user's completed change would.
    void setSlider(int hscroll, int value); // 1..4
    void setThreshold(int index, int value);
    void setText(int box, const QString &text); // 2, 3, 4, 6
    void tick(int index, bool on);
};

} // namespace weftara::testing
