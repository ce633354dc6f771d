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
// a slider keeps them within its own range. A copy state is any 16-bit
// number the recipe holds.
class ReplayActions
{
public:
    virtual ~ReplayActions() = default;

    // Start of a replay.
    virtual void clearLog() = 0;
    virtual void setDescriptionBox(const QString &description) = 0;

    // Pictures loaded.
    virtual void loadBase(const QString &path) = 0;
    virtual void loadPattern(const QString &path) = 0;
    virtual void hidePicture(workspace::Picture picture) = 0;
    virtual void setBaseLoaded(bool loaded) = 0;
    virtual void setPatternLoaded(bool loaded) = 0;
    virtual void setWovenUpToDate(bool upToDate) = 0;
    virtual void selectTab(workspace::Tab tab) = 0;

    // Weave, and what it resets.
    virtual void setWeaveOptionChecked(engine::WeavePart part, bool ticked) = 0;
    virtual void setThresholdSlider(engine::WeavePart part, qint16 value) = 0;
    virtual void setWeaveRatioBox(const QString &text) = 0;
    virtual void weave() = 0;
    virtual void setCopyState(workspace::Picture picture, workspace::CopyState state) = 0;
    virtual void setZoomSlider(qint16 value) = 0;
    virtual void setToneSlider(qint16 value) = 0;

    // Zoom.
    virtual void setZoomBox(const QString &text) = 0;
    virtual void zoom() = 0;

    // Tone, effects and colour steps.
    virtual void setToneBox(const QString &text) = 0;
    virtual void runEffect(workspace::EffectButton button) = 0;
    virtual void setColorStepBox(const QString &text) = 0;
    virtual void runChannelStep(engine::ChannelStep channel) = 0;

    // Text.
    virtual void closeTextPanel() = 0;    // fixes the text
    virtual void clearWovenDrawing() = 0; // erases drawn text
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
