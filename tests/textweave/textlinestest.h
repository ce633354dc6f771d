#pragma once

#include <QObject>

// Line breaks, vertical writing and the logged colour value.
class TextLinesTest : public QObject
{
    Q_OBJECT

private slots:
    void verticalText_data();
    void verticalText();
    void drawnLines_data();
    void drawnLines();
    void colorValues_data();
    void colorValues();
    void boxShowsPlacedText();
};
