#pragma once

#include <QPlainTextEdit>

namespace weftara::textweave {

class PlacedText;

// The text box: a multi-line box lying on a picture surface, showing the
// text being placed at its corner (in that surface's pixels), in its font
// and foreground colour; what the user types goes into the placed text.
class TextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    // Light yellow: red 255, green 255, blue 192 (0x00C0FFFF as the log
    // writes colours).
    static constexpr QRgb BackColor = 0xFFFFFFC0;

    // `surfaceView` shows the picture surface the box lies on (its parent).
    TextBox(PlacedText &placed, QWidget *surfaceView);

    PlacedText &placed() { return m_placed; }

    // Width and height in pixels. Negative sizes are refused: false, and the
    // size stays.
    bool setBoxWidth(double width);
    bool setBoxHeight(double height);
    // Zero wide and zero high (still placed and, if shown, still shown).
    void collapse();

private:
    void showText();
    // Shows the attributes: the font and the text colour of the box.
    void showAttributes();
    // The box stands at the nearest whole pixel.
    void showPosition();

    PlacedText &m_placed;
};

} // namespace weftara::textweave
