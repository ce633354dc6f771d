#include "textweave/textpanel.h"

#include "platform/twips.h"
#include "workspace/panelcontrols.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace weftara::textweave {

namespace {

// The panel is as high as the control panel (46 pixels): the same small
// font and the same two rows.
constexpr int PanelFontPixels = 10;
constexpr int Row1Top = 3;
constexpr int Row1Height = 20;
constexpr int Row2Top = 24;
constexpr int Row2Height = 19;

QRect row1(int left, int width)
{
    return {left, Row1Top, width, Row1Height};
}

QRect row2(int left, int width)
{
    return {left, Row2Top, width, Row2Height};
}

// List5's size in twips.
constexpr double ListWidthTwips = 780;
constexpr double ListHeightTwips = 2940;

} // namespace

TextPanel::TextPanel(QWidget *parent)
    : QFrame(parent)
{
    using workspace::makeBox;
    using workspace::makeButton;
    using workspace::makeLabel;

    setObjectName(QStringLiteral("Frame3"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setFont(workspace::panelFont(font(), PanelFontPixels));
    resize(platform::twipsToPixels(WidthTwips), platform::twipsToPixels(690));

    // Upper row: the font (its name and the dialog) and the colour (its
    // sample and the dialog).
    m_label4[1] = makeLabel(this, QStringLiteral("ﾌｫﾝﾄ名"), row1(4, 32));
    m_label5 = makeLabel(this, QString(), row1(37, 120));
    m_label5->setFrameShape(QFrame::Panel);
    m_label5->setFrameShadow(QFrame::Sunken);
    m_label5->setIndent(2);
    m_command10 = makeButton(this, QStringLiteral("フォント設定"), row1(159, 70));
    m_label4[2] = makeLabel(this, QStringLiteral("文字の色"), row1(233, 44));
    m_label4[2]->setAlignment(Qt::AlignCenter);
    m_command12 = makeButton(this, QStringLiteral("文字の色"), row1(279, 54));

    // Lower row: the size, vertical writing, and what happens to the text.
    m_label4[0] = makeLabel(this, QStringLiteral("ﾌｫﾝﾄｻｲｽﾞ"), row2(4, 44));
    m_text8 = makeBox(this, QStringLiteral("9"), row2(49, 28));
    m_command20 = makeButton(this, QStringLiteral("ﾌｫﾝﾄｻｲｽﾞ"), row2(79, 50));
    m_command16 = makeButton(this, QStringLiteral("縦書き"), row2(133, 40));
    m_command11 = makeButton(this, QStringLiteral("決定"), row2(177, 36));
    m_command9 = makeButton(this, QStringLiteral("取消"), row2(215, 36));
    m_command7 = makeButton(this, QStringLiteral("織込"), row2(253, 36));
    m_command13 = makeButton(this, QStringLiteral("閉じる"), row2(293, 40));

    m_list5 = new QListWidget(parent ? parent : this);
    m_list5->setObjectName(QStringLiteral("List5"));
    m_list5->setFont(font());
    m_list5->hide();

    m_command10->setObjectName(QStringLiteral("Command10"));
    m_command20->setObjectName(QStringLiteral("Command20"));
    m_command12->setObjectName(QStringLiteral("Command12"));
    m_command16->setObjectName(QStringLiteral("Command16"));
    m_command11->setObjectName(QStringLiteral("Command11"));
    m_command9->setObjectName(QStringLiteral("Command9"));
    m_command7->setObjectName(QStringLiteral("Command7"));
    m_command13->setObjectName(QStringLiteral("Command13"));
    m_text8->setObjectName(QStringLiteral("Text8"));
    for (int i = 0; i < 3; ++i)
        m_label4[std::size_t(i)]->setObjectName(QStringLiteral("Label4_%1").arg(i));
    m_label5->setObjectName(QStringLiteral("Label5"));
}

QLabel *TextPanel::Label4(int index) const
{
    if (index < 0 || index >= int(m_label4.size()))
        return nullptr;
    return m_label4[std::size_t(index)];
}

void TextPanel::placeAt(const QWidget &frame1)
{
    setGeometry(frame1.x(), frame1.y(), platform::twipsToPixels(WidthTwips), frame1.height());
}

void TextPanel::showFontName(const QString &name, bool inThatFont)
{
    m_label5->setText(name);
    if (inThatFont) {
        QFont font = m_label5->font();
        font.setFamily(name);
        m_label5->setFont(font);
    }
}

void TextPanel::showColor(const QColor &color)
{
    QPalette colours = m_label4[2]->palette();
    colours.setColor(QPalette::WindowText, color);
    m_label4[2]->setPalette(colours);
}

void TextPanel::dropFontSizeList()
{
    m_list5->clear();
    QWidget *owner = parentWidget();
    if (owner && m_list5->parentWidget() != owner)
        m_list5->setParent(owner);
    const QPoint below = owner ? QPoint(x() + m_command20->x(), y() + height())
                               : QPoint(m_command20->x(), height());
    m_list5->setGeometry(below.x(), below.y(), platform::twipsToPixels(ListWidthTwips),
                         platform::twipsToPixels(ListHeightTwips));
    m_list5->show();
    m_list5->raise();
    for (int size : FontSizes)
        m_list5->addItem(QString::number(size));
}

void TextPanel::setVisible(bool visible)
{
    QFrame::setVisible(visible);
    if (!visible && m_list5)
        m_list5->hide();
}

} // namespace weftara::textweave
