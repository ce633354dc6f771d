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

// A slider of the lower row, a pixel inside it.
QRect sliderRow(int left)
{
    return workspace::lowerRow(left, 68).adjusted(0, 1, 0, -1);
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
    using workspace::lowerRow;
    using workspace::makeBox;
    using workspace::makeButton;
    using workspace::makeLabel;
    using workspace::upperRow;

    workspace::setUpPanel(*this, QStringLiteral("printPanel"), workspace::BarFontPixels);
    // Columns: the paper, the copies, the three sliders, the whole-page
    // view, and the last two buttons.
    resize(platform::twipsToPixels(WidthTwips), platform::twipsToPixels(workspace::ControlPanel::HeightTwips));

    QLabel *paperWidthLabel = makeLabel(this, QStringLiteral("紙横"), upperRow(4, 22));
    m_paperWidthBox = makeBox(this, QStringLiteral("100"), upperRow(27, 30));
    QLabel *paperHeightLabel = makeLabel(this, QStringLiteral("紙縦"), upperRow(60, 22));
    m_paperHeightBox = makeBox(this, QStringLiteral("148"), upperRow(83, 30));
    m_paperButton = makeButton(this, QStringLiteral("用紙サイズ"), lowerRow(4, 62));

    QLabel *copiesLabel = makeLabel(this, QStringLiteral("印刷枚数"), upperRow(118, 42));
    m_copiesBox = makeBox(this, QStringLiteral("1"), upperRow(161, 24));
    m_printButton = makeButton(this, QStringLiteral("印刷"), lowerRow(118, 67));

    QLabel *pictureSizeLabel = makeLabel(this, QStringLiteral("画像の大きさ"), upperRow(190, 68));
    m_pictureSizeSlider = makePageSlider(this, 10, 500, 100, sliderRow(190));
    QLabel *pictureLeftLabel = makeLabel(this, QStringLiteral("横移動"), upperRow(263, 68));
    m_pictureLeftSlider = makePageSlider(this, -200, 200, 0, sliderRow(263));
    QLabel *pictureTopLabel = makeLabel(this, QStringLiteral("縦移動"), upperRow(336, 34));
    m_pictureTopSlider = makePageSlider(this, -200, 200, 0, upperRow(371, 15).united(lowerRow(371, 15)),
                                        Qt::Vertical);

    QLabel *wholePageLabel = makeLabel(this, QStringLiteral("用紙全体を見る"), upperRow(391, 72));
    m_wholePageButton = makeButton(this, QStringLiteral("全体を見る"), lowerRow(391, 66));
    m_composeButton = makeButton(this, QStringLiteral("文字入力"), upperRow(464, 48));
    m_closeButton = makeButton(this, QStringLiteral("閉じる"), lowerRow(464, 48));

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

    // A screen reader names each box and slider after the caption above it.
    m_paperWidthBox->setAccessibleName(paperWidthLabel->text());
    m_paperHeightBox->setAccessibleName(paperHeightLabel->text());
    m_copiesBox->setAccessibleName(copiesLabel->text());
    m_pictureSizeSlider->setAccessibleName(pictureSizeLabel->text());
    m_pictureLeftSlider->setAccessibleName(pictureLeftLabel->text());
    m_pictureTopSlider->setAccessibleName(pictureTopLabel->text());
    m_paperList->setAccessibleName(m_paperButton->text());
    workspace::setTabOrder({m_paperWidthBox, m_paperHeightBox, m_paperButton, m_copiesBox, m_printButton,
                            m_pictureSizeSlider, m_pictureLeftSlider, m_pictureTopSlider, m_wholePageButton,
                            m_composeButton, m_closeButton});
}

void PrintPanel::placeAt(const QWidget &controlPanel)
{
    setGeometry(controlPanel.x(), controlPanel.y(), platform::twipsToPixels(WidthTwips), controlPanel.height());
}

void PrintPanel::dropPaperList()
{
    workspace::dropList(*m_paperList, *this, QPoint(m_paperButton->x(), 0),
                        QSize(platform::twipsToPixels(PaperListWidthTwips), platform::twipsToPixels(PaperListHeightTwips)),
                        paperEntries());
}

void PrintPanel::setVisible(bool visible)
{
    QFrame::setVisible(visible);
    if (!visible && m_paperList)
        m_paperList->hide();
}

} // namespace weftara::output
