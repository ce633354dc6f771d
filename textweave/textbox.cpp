#include "textweave/textbox.h"

#include "platform/numbertext.h"
#include "textweave/textlines.h"

#include <cmath>

namespace weftara::textweave {

TextBox::TextBox(QWidget *surfaceView)
    : QPlainTextEdit(surfaceView)
{
    setObjectName(QStringLiteral("textBox"));
    setAccessibleName(QStringLiteral("文字"));
    // What the box shows is what is drawn: lines break only where the text
    // has a line break, and no scroll bars take room from the text.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setMinimumSize(0, 0);
    document()->setDocumentMargin(1);
    m_attributes.fontName = defaultFontName();
    applyAttributes();
    setGeometry(0, 0, 0, 0);
    hide();
}

QString TextBox::text() const
{
    return toCrLf(toPlainText());
}

void TextBox::setText(const QString &text)
{
    // The editor keeps LF line ends.
    setPlainText(toCrLf(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TextBox::setLeft(float left)
{
    m_left = left;
    applyPosition();
}

void TextBox::setTop(float top)
{
    m_top = top;
    applyPosition();
}

void TextBox::applyPosition()
{
    move(platform::roundToInt32(double(m_left)), platform::roundToInt32(double(m_top)));
}

bool TextBox::setBoxWidth(double width)
{
    if (!(width >= 0.0))
        return false;
    resize(platform::roundToInt32(width), height());
    return true;
}

bool TextBox::setBoxHeight(double height)
{
    if (!(height >= 0.0))
        return false;
    resize(width(), platform::roundToInt32(height));
    return true;
}

void TextBox::collapse()
{
    resize(0, 0);
}

bool TextBox::setFontName(const QString &name)
{
    if (name.trimmed().isEmpty())
        return false;
    m_attributes.fontName = name;
    applyAttributes();
    return true;
}

bool TextBox::setFontSize(double points)
{
    if (!usableFontSize(points))
        return false;
    m_attributes.fontSize = float(points);
    applyAttributes();
    return true;
}

void TextBox::setFontBold(bool on)
{
    m_attributes.bold = on;
    applyAttributes();
}

void TextBox::setFontItalic(bool on)
{
    m_attributes.italic = on;
    applyAttributes();
}

void TextBox::setFontUnderline(bool on)
{
    m_attributes.underline = on;
    applyAttributes();
}

void TextBox::setColor(const QColor &color)
{
    m_attributes.color = color.toRgb();
    m_attributes.color.setAlpha(255);
    applyAttributes();
}

bool TextBox::setColorValue(qint64 value)
{
    const auto color = colorFromValue(value);
    if (!color)
        return false;
    setColor(*color);
    return true;
}

void TextBox::applyAttributes()
{
    setFont(m_attributes.font());
    QPalette colors = palette();
    colors.setColor(QPalette::Base, QColor::fromRgb(BackColor));
    colors.setColor(QPalette::Text, m_attributes.color);
    setPalette(colors);
}

} // namespace weftara::textweave
