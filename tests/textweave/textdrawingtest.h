#pragma once

#include <QObject>

// "決定": the logged group and the text drawn into the woven picture.
class TextDrawingTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyTextLogsGroupAndDrawsNothing();
    void threeLinesStartAtTheLeftEdge();
    void inkTakesTheTextColour();
    void loggedGroup_data();
    void loggedGroup();
    void japaneseTextIsDrawn();
    void tooLargeForMemoryDrawsNothing();
};
