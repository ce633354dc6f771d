#pragma once

#include <QObject>

// The text panel's controls: the dialogs, the size list and box, its
// layout, and placing the text box with the mouse.
class TextPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void fontDialogChosen();
    void fontDialogCancelled();
    void colourDialog();
    void fontSizeList();
    void fontSizeBox_data();
    void fontSizeBox();
    void captionsFitTheirControls();
    void mousePlacesAndSizesTheBox();
};
