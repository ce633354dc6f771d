#pragma once

#include "textweave/textattributes.h"

#include <QObject>

namespace weftara::textweave {

// The text being placed on the woven picture: its text, its top-left corner
// in the picture's pixels and the attributes it is drawn with. Needs no
// widget; the text box shows it and writes the user's typing into it.
// Every setter can be driven from code (recipe replay) as well as by the
// panel; refused values leave the old ones.
class PlacedText : public QObject
{
    Q_OBJECT

public:
    explicit PlacedText(QObject *parent = nullptr);

    // The text with CR LF line ends; setting accepts any line breaks.
    QString text() const { return m_text; }
    void setText(const QString &text);

    // Kept as given, for drawing and the log.
    float left() const { return m_left; }
    float top() const { return m_top; }
    void setLeft(float left);
    void setTop(float top);

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

    // Text mode: text is being placed on the woven picture.
    bool textMode() const { return m_textMode; }
    void setTextMode(bool on);

    // The text went onto the picture: the next one starts empty.
    void clearDrawn();

signals:
    void textChanged();
    void positionChanged();
    void attributesChanged();
    void textModeChanged(bool on);
    void drawn();

private:
    void changeAttributes(const TextAttributes &attributes);

    QString m_text;
    float m_left = 0.0f;
    float m_top = 0.0f;
    TextAttributes m_attributes;
    bool m_textMode = false;
};

} // namespace weftara::textweave
