#include "output/printpanel.h"

#include "output/pagelayout.h"
#include "platform/twips.h"
#include "workspace/controlpanel.h"
#include "workspace/panelcontrols.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace weftara::output {

namespace {

// The panel is as high as the control panel (46 pixels): the same small
// font and the same two rows, then columns for the paper, the copies, the
// three sliders, the whole-page view and the two last buttons.
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

QRect sliderRow(int left)
{
    return {left, Row2Top + 1, 68, Row2Height - 2};
}

// The sliders move the picture on the preview while they are dragged.
QScrollBar *makePageSlider(QWidget *panel, int minimum, int maximum, int value, const QRect &place,
                           Qt::Orientation orientation = Qt::Horizontal)
{
    QScrollBar *slider = workspace::makeSlider(panel, minimum, maximum, value, 1, place);
    slider->setOrientation(orientation);
    slider->setGeometry(place);
    slider->setPageStep(10);
    slider->setTracking(true);
    return slider;
}

} // namespace

PrintPanel::PrintPanel(QWidget *parent)
    : QFrame(parent)
{
    using workspace::makeBox;
    using workspace::makeButton;
    using workspace::makeLabel;

    setObjectName(QStringLiteral("printPanel"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setFont(workspace::panelFont(font(), PanelFontPixels));
    resize(platform::twipsToPixels(WidthTwips), platform::twipsToPixels(workspace::ControlPanel::HeightTwips));

    QLabel *paperWidthLabel = makeLabel(this, QStringLiteral("紙横"), row1(4, 22));
    m_paperWidthBox = makeBox(this, QStringLiteral("100"), row1(27, 30));
    QLabel *paperHeightLabel = makeLabel(this, QStringLiteral("紙縦"), row1(60, 22));
    m_paperHeightBox = makeBox(this, QStringLiteral("148"), row1(83, 30));
    m_paperButton = makeButton(this, QStringLiteral("用紙サイズ"), row2(4, 62));

    QLabel *copiesLabel = makeLabel(this, QStringLiteral("印刷枚数"), row1(118, 42));
    m_copiesBox = makeBox(this, QStringLiteral("1"), row1(161, 24));
    m_printButton = makeButton(this, QStringLiteral("印刷"), row2(118, 67));

    QLabel *pictureSizeLabel = makeLabel(this, QStringLiteral("画像の大きさ"), row1(190, 68));
    m_pictureSizeSlider = makePageSlider(this, 10, 500, 100, sliderRow(190));
    QLabel *pictureLeftLabel = makeLabel(this, QStringLiteral("横移動"), row1(263, 68));
    m_pictureLeftSlider = makePageSlider(this, -200, 200, 0, sliderRow(263));
    QLabel *pictureTopLabel = makeLabel(this, QStringLiteral("縦移動"), row1(336, 34));
    m_pictureTopSlider = makePageSlider(this, -200, 200, 0, QRect(371, Row1Top, 15, Row2Top + Row2Height - Row1Top),
                                        Qt::Vertical);

    QLabel *wholePageLabel = makeLabel(this, QStringLiteral("用紙全体を見る"), row1(391, 72));
    m_wholePageButton = makeButton(this, QStringLiteral("全体を見る"), row2(391, 66));
    m_composeButton = makeButton(this, QStringLiteral("文字入力"), row1(464, 48));
    m_closeButton = makeButton(this, QStringLiteral("閉じる"), row2(464, 48));

    m_paperList = new QListWidget(parent ? parent : this);
    m_paperList->setObjectName(QStringLiteral("paperList"));
    m_paperList->setFont(font());
    m_paperList->hide();

    paperWidthLabel->setObjectName(QStringLiteral("paperWidthLabel"));
    paperHeightLabel->setObjectName(QStringLiteral("paperHeightLabel"));
    copiesLabel->setObjectName(QStringLiteral("copiesLabel"));
    pictureSizeLabel->setObjectName(QStringLiteral("pictureSizeLabel"));
    pictureLeftLabel->setObjectName(QStringLiteral("pictureLeftLabel"));
    pictureTopLabel->setObjectName(QStringLiteral("pictureTopLabel"));
    wholePageLabel->setObjectName(QStringLiteral("wholePageLabel"));
    m_paperWidthBox->setObjectName(QStringLiteral("paperWidthBox"));
    m_paperHeightBox->setObjectName(QStringLiteral("paperHeightBox"));
    m_paperButton->setObjectName(QStringLiteral("paperButton"));
    m_copiesBox->setObjectName(QStringLiteral("copiesBox"));
    m_printButton->setObjectName(QStringLiteral("printButton"));
    m_pictureSizeSlider->setObjectName(QStringLiteral("pictureSizeSlider"));
    m_pictureLeftSlider->setObjectName(QStringLiteral("pictureLeftSlider"));
    m_pictureTopSlider->setObjectName(QStringLiteral("pictureTopSlider"));
    m_wholePageButton->setObjectName(QStringLiteral("wholePageButton"));
    m_composeButton->setObjectName(QStringLiteral("composeButton"));
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
}

void PrintPanel::placeAt(const QWidget &controlPanel)
{
    setGeometry(controlPanel.x(), controlPanel.y(), platform::twipsToPixels(WidthTwips), controlPanel.height());
}

void PrintPanel::dropPaperList()
{
    m_paperList->clear();
    QWidget *owner = parentWidget();
    if (owner && m_paperList->parentWidget() != owner)
        m_paperList->setParent(owner);
    const QPoint at = owner ? QPoint(x() + m_paperButton->x(), y()) : QPoint(m_paperButton->x(), 0);
    m_paperList->setGeometry(at.x(), at.y(), platform::twipsToPixels(PaperListWidthTwips),
                             platform::twipsToPixels(PaperListHeightTwips));
    m_paperList->addItems(paperEntries());
    m_paperList->show();
    m_paperList->raise();
}

void PrintPanel::setVisible(bool visible)
{
    QFrame::setVisible(visible);
    if (!visible && m_paperList)
        m_paperList->hide();
}

} // namespace weftara::output
