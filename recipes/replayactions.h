#pragma once

#include "engine/filters.h"
#include "engine/weaveselect.h"
#include "workspace/workspace.h"

#include <QString>
#include <QtGlobal>

namespace weftara::recipes {

// What recipe replay drives: the procedures and controls of the main window,
// called in the order the recipe lines ask for. Every control setter must
// act like the user making that change: its change or click reaction runs
// when the value actually changes (a threshold weave happens through the
// threshold slider's reaction, a tab selection runs the tab change).
//
// Replay only passes values it has checked: pictures and channels read from
// a recipe are in range. Slider values are the 16-bit numbers of the recipe;
// a slider keeps them within its own range. Copy states are never put back:
// the replayed operations reach the ones the recipe was made with.
class ReplayActions
{
public:
    virtual ~ReplayActions() = default;

    // Start of a replay.
    virtual void clearLog() = 0;
    virtual void setDescriptionBox(const QString &description) = 0;

    // Pictures loaded. Loading a base ends text mode, as choosing its
    // thumbnail does.
    virtual void loadBase(const QString &path) = 0;
    virtual void loadPattern(const QString &path) = 0;
    virtual void hidePicture(workspace::Picture picture) = 0;
    virtual void setBaseLoaded(bool loaded) = 0;
    virtual void setPatternLoaded(bool loaded) = 0;
    virtual void setWovenUpToDate(bool upToDate) = 0;
    virtual void selectTab(workspace::Tab tab) = 0;

    // Weave, and what it resets.
    virtual void setWeaveOptionChecked(engine::WeavePart part, bool ticked) = 0;
    virtual void setThresholdBox(engine::WeavePart part, const QString &text) = 0;
    virtual void setWeaveRatioBox(const QString &text) = 0;
    virtual void weave() = 0; // as the boxes and options stand, whatever the sliders show
    virtual void setZoomSlider(qint16 value) = 0;
    virtual void setToneSlider(qint16 value) = 0;
    // Both options cleared, the thresholds back at 255 and 0.
    virtual void resetWeaveOptions() = 0;

    // Zoom and tone: the button beside the box ("ｽﾞｰﾑ", "濃淡"), which moves
    // the slider to the box's number. The zoom or tone runs also when the
    // slider already stands there: every one the log holds was made.
    virtual void setZoomBox(const QString &text) = 0;
    virtual void applyZoom() = 0;
    virtual void setToneBox(const QString &text) = 0;
    virtual void applyTone() = 0;

    // Effects and colour steps.
    virtual void runEffect(workspace::EffectButton button) = 0;
    virtual void setColorStepBox(const QString &text) = 0;
    virtual void runChannelStep(engine::ChannelStep channel) = 0;

    // Text.
    virtual void fixText() = 0;   // "織込": fixes drawn text, text mode stays
    virtual void eraseText() = 0; // "取消": erases drawn text and logs it
    virtual void toggleTextMode() = 0;
    virtual void setTextBoxText(const QString &text) = 0;
    virtual void setTextBoxLeft(float left) = 0;
    virtual void setTextBoxTop(float top) = 0;
    virtual void setTextBoxFont(const QString &fontName) = 0;
    virtual void setTextBoxColor(qint32 color) = 0; // red in the low byte
    virtual void setTextBoxFontName(const QString &fontName) = 0;
    virtual void setTextBoxFontSize(float points) = 0;
    virtual void setTextBoxBold(bool on) = 0;
    virtual void setTextBoxItalic(bool on) = 0;
    virtual void setTextBoxUnderline(bool on) = 0;
    virtual void drawText() = 0; // draws the text and logs it
};

} // namespace weftara::recipes
