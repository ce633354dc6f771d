#include "textweave/textpanel.h"

#include "platform/twips.h"
#include "workspace/controlpanel.h"
#include "workspace/panelcontrols.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace weftara::textweave {

namespace {

// The font size list's size in twips.
constexpr double ListWidthTwips = 780;
constexpr double ListHeightTwips = 2940;

} // namespace

TextPanel::TextPanel(QWidget *parent)
    : QFrame(parent)
{
    using workspace::lowerRow;
    using workspace::makeBox;
    using workspace::makeButton;
    using workspace::makeLabel;
    using workspace::upperRow;

    workspace::setUpPanel(*this, QStringLiteral("textPanel"), workspace::BarFontPixels);
    resize(platform::twipsToPixels(WidthTwips), platform::twipsToPixels(workspace::ControlPanel::HeightTwips));

    // Upper row: the font (its name and the dialog) and the colour (its
    // sample and the dialog).
    QLabel *fontLabel = makeLabel(this, QStringLiteral("ﾌｫﾝﾄ名"), upperRow(4, 32));
    m_fontNameLabel = makeLabel(this, QString(), upperRow(37, 120));
    m_fontNameLabel->setFrameShape(QFrame::Panel);
    m_fontNameLabel->setFrameShadow(QFrame::Sunken);
    m_fontNameLabel->setIndent(2);
    m_fontButton = makeButton(this, QStringLiteral("フォント設定"), upperRow(159, 70));
    m_colorSampleLabel = makeLabel(this, QStringLiteral("文字の色"), upperRow(233, 44));
    m_colorSampleLabel->setAlignment(Qt::AlignCenter);
    m_colorButton = makeButton(this, QStringLiteral("文字の色"), upperRow(279, 54));

    // Lower row: the size, vertical writing, and what happens to the text.
    QLabel *fontSizeLabel = makeLabel(this, QStringLiteral("ﾌｫﾝﾄｻｲｽﾞ"), lowerRow(4, 44));
    m_fontSizeBox = makeBox(this, QStringLiteral("9"), lowerRow(49, 28));
    m_fontSizeButton = makeButton(this, QStringLiteral("ﾌｫﾝﾄｻｲｽﾞ"), lowerRow(79, 50));
    m_verticalButton = makeButton(this, QStringLiteral("縦書き"), lowerRow(133, 40));
    m_drawButton = makeButton(this, QStringLiteral("決定"), lowerRow(177, 36));
    m_eraseButton = makeButton(this, QStringLiteral("取消"), lowerRow(215, 36));
    m_fixButton = makeButton(this, QStringLiteral("織込"), lowerRow(253, 36));
    m_closeButton = makeButton(this, QStringLiteral("閉じる"), lowerRow(293, 40));

    m_fontSizeList = new QListWidget(parent ? parent : this);
    m_fontSizeList->setObjectName(QStringLiteral("fontSizeList"));
    m_fontSizeList->setFont(font());
    m_fontSizeList->hide();

    m_fontButton->setObjectName(QStringLiteral("fontButton"));
    m_fontSizeButton->setObjectName(QStringLiteral("fontSizeButton"));
    m_colorButton->setObjectName(QStringLiteral("colorButton"));
    m_verticalButton->setObjectName(QStringLiteral("verticalButton"));
    m_drawButton->setObjectName(QStringLiteral("drawButton"));
    m_eraseButton->setObjectName(QStringLiteral("eraseButton"));
    m_fixButton->setObjectName(QStringLiteral("fixButton"));
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_fontSizeBox->setObjectName(QStringLiteral("fontSizeBox"));
    fontSizeLabel->setObjectName(QStringLiteral("fontSizeLabel"));
    fontLabel->setObjectName(QStringLiteral("fontLabel"));
    m_colorSampleLabel->setObjectName(QStringLiteral("colorSampleLabel"));
    m_fontNameLabel->setObjectName(QStringLiteral("fontNameLabel"));

    m_fontSizeBox->setAccessibleName(QStringLiteral("ﾌｫﾝﾄｻｲｽﾞ"));
    m_fontSizeList->setAccessibleName(QStringLiteral("ﾌｫﾝﾄｻｲｽﾞ"));
    m_fontNameLabel->setAccessibleName(QStringLiteral("ﾌｫﾝﾄ名"));
    workspace::setTabOrder({m_fontButton, m_colorButton, m_fontSizeBox, m_fontSizeButton, m_verticalButton,
                            m_drawButton, m_eraseButton, m_fixButton, m_closeButton});
}

void TextPanel::placeAt(const QWidget &controlPanel)
{
    setGeometry(controlPanel.x(), controlPanel.y(), platform::twipsToPixels(WidthTwips), controlPanel.height());
}

void TextPanel::showFontName(const QString &name, bool inThatFont)
{
    m_fontNameLabel->setText(name);
    if (inThatFont) {
        QFont font = m_fontNameLabel->font();
        font.setFamily(name);
        m_fontNameLabel->setFont(font);
    }
}

void TextPanel::showColor(const QColor &color)
{
    QPalette colors = m_colorSampleLabel->palette();
    colors.setColor(QPalette::WindowText, color);
    m_colorSampleLabel->setPalette(colors);
}

void TextPanel::dropFontSizeList()
{
    QStringList sizes;
    for (int size : FontSizes)
        sizes << QString::number(size);
    workspace::dropList(*m_fontSizeList, *this, QPoint(m_fontSizeButton->x(), height()),
                        QSize(platform::twipsToPixels(ListWidthTwips), platform::twipsToPixels(ListHeightTwips)),
                        sizes);
}

void TextPanel::setVisible(bool visible)
{
    QFrame::setVisible(visible);
    if (!visible && m_fontSizeList)
        m_fontSizeList->hide();
}

} // namespace weftara::textweave
