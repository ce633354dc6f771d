#pragma once

#include <QObject>

// Text mode: the panels, erasing and fixing, replay, and picture
// operations after drawing.
class TextModeTest : public QObject
{
    Q_OBJECT

private slots:
    void switchingOnTakesTheControlPanelsPlace();
    void eraseAfterTwoDrawsThenFix();
    void menuOffKeepsTextErasableCloseFixes();
    void switchingOnFixesEarlierText();
    void replayNeverShowsThePanel();
    void replayedTextsEraseAsTheyDidWhenMade();
    void effectAfterDrawingKeepsItsResult();
};
