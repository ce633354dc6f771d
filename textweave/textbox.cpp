#include "textweave/textbox.h"

#include "platform/numbertext.h"
#include "textweave/placedtext.h"
#include "textweave/textlines.h"

namespace weftara::textweave {

TextBox::TextBox(PlacedText &placed, QWidget *surfaceView)
    : QPlainTextEdit(surfaceView)
    , m_placed(placed)
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
    showAttributes();
    showText();
    setGeometry(0, 0, 0, 0);
    showPosition();
    hide();
    connect(&placed, &PlacedText::textChanged, this, &TextBox::showText);
    connect(&placed, &PlacedText::positionChanged, this, &TextBox::showPosition);
    connect(&placed, &PlacedText::attributesChanged, this, &TextBox::showAttributes);
    connect(&placed, &PlacedText::drawn, this, &TextBox::collapse);
    connect(this, &QPlainTextEdit::textChanged, &placed, [this] { m_placed.setText(toPlainText()); });
}

void TextBox::showText()
{
    // The editor keeps LF line ends; setting it again would reset the
    // cursor of the user typing.
    if (toCrLf(toPlainText()) != m_placed.text())
        setPlainText(QString(m_placed.text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TextBox::showPosition()
{
    move(platform::roundToInt32(double(m_placed.left())), platform::roundToInt32(double(m_placed.top())));
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

void TextBox::showAttributes()
{
    const TextAttributes &attributes = m_placed.attributes();
    setFont(attributes.font());
    QPalette colors = palette();
    colors.setColor(QPalette::Base, QColor::fromRgb(BackColor));
    colors.setColor(QPalette::Text, attributes.color);
    setPalette(colors);
}

} // namespace weftara::textweave
