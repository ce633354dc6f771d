#pragma once

#include <QString>
#include <QtGlobal>

namespace weftara::recipes {

// What recipe replay drives: the procedures and controls of the main window.
// The workspace implements it; replay calls the methods in the order the
// recipe lines ask for. Every control setter must act like the user making
// that change: its change or click reaction runs when the value actually
// changes (a threshold weave happens through the HScroll7 reaction, a tab
// selection runs the tab strip's reaction).
//
// Replay only passes indices it has checked: picture numbers 0..2, tabs 3..5
// from log values (plus the fixed tabs 4 and 5), Command8 indices 0..5,
// FlgState indices 0..2. Slider values are the 16-bit numbers of the recipe;
// a slider must keep them within its own range.
class ReplayTarget
{
public:
    virtual ~ReplayTarget() = default;

    // Start of a replay.
    virtual void clearLog() = 0;                              // empty LstLog
    virtual void setText11(const QString &description) = 0;   // description box

    // Pictures and flags ("Motoe=", "Garae=").
    virtual void MotoeLoad(const QString &path) = 0;
    virtual void GaraeLoad(const QString &path) = 0;
    virtual void hidePicture1(int index) = 0;                 // hide Picture1(index)
    virtual void setMotoeSentakuFlg(bool value) = 0;
    virtual void setGaraeSentakuFlg(bool value) = 0;
    virtual void setOrikomiFlg(bool value) = 0;
    virtual void selectTab(int tab) = 0;                      // TabStrip1, tabs 1..5

    // Weave ("Orikomi") and its weave options.
    virtual void setCheck1(int index, bool ticked) = 0;       // value 1 / 0
    virtual void setHScroll7(int index, qint16 value) = 0;
    virtual void setText2(const QString &text) = 0;           // weave ratio
    virtual void getCommand() = 0;
    virtual void setFlgState(int index, qint16 value) = 0;
    virtual void setHScroll3(qint16 value) = 0;               // zoom slider
    virtual void setHScroll2(qint16 value) = 0;               // tone slider

    // Zoom ("sZoom", "oZoom").
    virtual void setText4(const QString &text) = 0;           // zoom percent
    virtual void MotoeZoom() = 0;

    // Tone and effects ("Noutan", "単色" ... "強調", "色").
    virtual void setText3(const QString &text) = 0;           // tone amount
    virtual void Command3_Click(int index) = 0;
    virtual void setText6(const QString &text) = 0;           // colour step amount
    virtual void Command8_Click(int index) = 0;

    // Text ("文字織込", "文字消去", "MojiKakikomi").
    virtual void Command13_Click() = 0;                       // close the text panel, fixing the text
    virtual void clearPicture1TextLayer() = 0;                // clear the drawing layer of Picture1(2)
    virtual void morikotoba_Click() = 0;
    virtual void setText7Text(const QString &text) = 0;
    virtual void setText7Left(float left) = 0;
    virtual void setText7Top(float top) = 0;
    virtual void setText7Font(const QString &fontName) = 0;   // the font, by name
    virtual void setText7ForeColor(qint32 color) = 0;         // red in the low byte
    virtual void setText7FontName(const QString &fontName) = 0;
    virtual void setText7FontSize(float points) = 0;
    virtual void setText7FontBold(bool on) = 0;
    virtual void setText7FontItalic(bool on) = 0;
    virtual void setText7FontUnderline(bool on) = 0;
    virtual void Command11_Click() = 0;                       // draw the text and log it
};

} // namespace weftara::recipes
