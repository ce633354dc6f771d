#include "textweave/placedtext.h"

#include "textweave/textlines.h"

namespace weftara::textweave {

PlacedText::PlacedText(QObject *parent)
    : QObject(parent)
{
    m_attributes.fontName = defaultFontName();
}

void PlacedText::setText(const QString &text)
{
    const QString crLf = toCrLf(text);
    if (crLf == m_text)
        return;
    m_text = crLf;
    emit textChanged();
}

void PlacedText::setLeft(float left)
{
    m_left = left;
    emit positionChanged();
}

void PlacedText::setTop(float top)
{
    m_top = top;
    emit positionChanged();
}

void PlacedText::changeAttributes(const TextAttributes &attributes)
{
    m_attributes = attributes;
    emit attributesChanged();
}

bool PlacedText::setFontName(const QString &name)
{
    if (name.trimmed().isEmpty())
        return false;
    TextAttributes changed = m_attributes;
    changed.fontName = name;
    changeAttributes(changed);
    return true;
}

bool PlacedText::setFontSize(double points)
{
    if (!usableFontSize(points))
        return false;
    TextAttributes changed = m_attributes;
    changed.fontSize = float(points);
    changeAttributes(changed);
    return true;
}

void PlacedText::setFontBold(bool on)
{
    TextAttributes changed = m_attributes;
    changed.bold = on;
    changeAttributes(changed);
}

void PlacedText::setFontItalic(bool on)
{
    TextAttributes changed = m_attributes;
    changed.italic = on;
    changeAttributes(changed);
}

void PlacedText::setFontUnderline(bool on)
{
    TextAttributes changed = m_attributes;
    changed.underline = on;
    changeAttributes(changed);
}

void PlacedText::setColor(const QColor &color)
{
    TextAttributes changed = m_attributes;
    changed.color = color.toRgb();
    changed.color.setAlpha(255);
    changeAttributes(changed);
}

bool PlacedText::setColorValue(qint64 value)
{
    const auto color = colorFromValue(value);
    if (!color)
        return false;
    setColor(*color);
    return true;
}

void PlacedText::setTextMode(bool on)
{
    if (on == m_textMode)
        return;
    m_textMode = on;
    emit textModeChanged(on);
}

void PlacedText::clearDrawn()
{
    setText(QString());
    emit drawn();
}

} // namespace weftara::textweave
