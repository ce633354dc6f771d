#pragma once

#include "support/imagecompare.h"
#include "support/scripteddialogs.h"
#include "engine/filters.h"
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

    // As a base load: the base picture and its copy take the picture, the
    // pattern and woven picture are emptied, every copy counts as loaded,
    // the log holds the base load, the base tab is selected.
    void loadBase(const QImage &picture);
    // As a pattern load: the pattern (already the base's size, as tiled)
    // lies over the base, and its load is logged.
    void loadPattern(const QImage &tiled);

    // A copy of what the picture shows.
    QImage picture(workspace::Picture picture);
    QStringList log() const { return ws.log().lines(); }
    void selectTab(workspace::Tab tab) { ws.selectTab(tab); }
    workspace::Controls &c() { return ws.controls(); }

    void clickEffectButton(workspace::EffectButton button);
    void clickChannelButton(engine::ChannelStep channel);
    // The value of a threshold slider, set as a user's completed change would.
    void setThreshold(engine::WeavePart part, int value);
    void tick(engine::WeavePart part, bool on);
};

} // namespace weftara::testing
