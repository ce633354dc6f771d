#pragma once

#include "textweave/textattributes.h"

#include <QPlainTextEdit>

namespace weftara::textweave {

// The text box: a multi-line box lying on a picture surface,
// positioned in that surface's pixels. Its font and foreground colour are the
// attributes the text is drawn with; its text is handed out with CR LF line
// ends. Every setter can be driven from code (recipe replay) as well as by
// the panel.
class TextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    // Light yellow: red 255, green 255, blue 192 (0x00C0FFFF as the log
    // writes colours).
    static constexpr QRgb BackColor = 0xFFFFFFC0;

    // `surfaceView` shows the picture surface the box lies on (its parent).
    explicit TextBox(QWidget *surfaceView);

    // The text with CR LF line ends; setting accepts any line breaks.
    QString text() const;
    void setText(const QString &text);

    // Top-left corner in the surface's pixels. The box itself stands at the
    // nearest whole pixel; the values are kept as given, for drawing and the
    // log.
    float left() const { return m_left; }
    float top() const { return m_top; }
    void setLeft(float left);
    void setTop(float top);

    // Width and height in pixels. Negative sizes are refused: false, and the
    // size stays.
    bool setBoxWidth(double width);
    bool setBoxHeight(double height);
    // Zero wide and zero high (still placed and, if shown, still shown).
    void collapse();

    const TextAttributes &attributes() const { return m_attributes; }
    QString fontName() const { return m_attributes.fontName; }
    float fontSize() const { return m_attributes.fontSize; }
    QColor color() const { return m_attributes.color; }

    // An empty name is refused (the font stays).
    bool setFontName(const QString &name);
    // Sizes outside MinFontPoints .. MaxFontPoints are refused.
    bool setFontSize(double points);
    void setFontBold(bool on);
    void setFontItalic(bool on);
    void setFontUnderline(bool on);
    void setColor(const QColor &color);
    // A colour as the log writes it; values naming no RGB colour are refused.
    bool setColorValue(qint64 value);

private:
    // Shows the attributes: the font and the text colour of the box.
    void applyAttributes();
    void applyPosition();

    TextAttributes m_attributes;
    float m_left = 0.0f;
    float m_top = 0.0f;
};

} // namespace weftara::textweave
