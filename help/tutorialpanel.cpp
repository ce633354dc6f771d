#include "help/tutorialpanel.h"

#include "platform/twips.h"
#include "workspace/panelcontrols.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>

namespace weftara::help {

namespace {

// The tutorial is read for an hour, so its text is larger than the
// panels' compact controls.
constexpr int TextPixels = 13;
constexpr int TitleHeight = 20;
constexpr int RowHeight = 22;
constexpr int WriteButtonWidth = 48;

int px(int twips)
{
    return platform::twipsToPixels(twips);
}

} // namespace

TutorialPanel::TutorialPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("tutorialPanel"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setFont(workspace::panelFont(font(), workspace::PanelFontPixels));

    m_title = workspace::makeTitle(this, QStringLiteral("チュートリアル"), {});
    m_title->setObjectName(QStringLiteral("title"));
    m_closeButton = workspace::makeButton(this, QStringLiteral("×"), {});
    m_closeButton->setObjectName(QStringLiteral("closeButton"));

    m_tutorialBox = new QPlainTextEdit(this);
    m_tutorialBox->setObjectName(QStringLiteral("tutorialBox"));
    m_tutorialBox->setFont(workspace::panelFont(font(), TextPixels));

    m_hideNextTimeCheckBox = new QCheckBox(QStringLiteral("次回からチュートリアルを表示しない"), this);
    m_hideNextTimeCheckBox->setObjectName(QStringLiteral("hideNextTimeCheckBox"));
    m_writeButton = workspace::makeButton(this, QStringLiteral("書込"), {});
    m_writeButton->setObjectName(QStringLiteral("writeButton"));
    m_writeButton->setToolTip(QStringLiteral("この文章を tutor.txt に書き込みます"));

    m_closeButton->setAccessibleName(QStringLiteral("閉じる"));
    m_tutorialBox->setAccessibleName(QStringLiteral("チュートリアル"));
    workspace::setTabOrder({m_tutorialBox, m_hideNextTimeCheckBox, m_writeButton, m_closeButton});
}

QRect TutorialPanel::placeTwips(const QRect &tabStripTwips)
{
    return {tabStripTwips.x() + tabStripTwips.width() - 5500, tabStripTwips.y(), WidthTwips,
            tabStripTwips.height() - 500};
}

void TutorialPanel::placeOver(const QRect &tabStripTwips)
{
    const QRect panel = placeTwips(tabStripTwips);
    // A tab strip lower than 500 twips leaves no height; a widget has none
    // below zero.
    setGeometry(px(panel.x()), px(panel.y()), px(panel.width()), std::max(0, px(panel.height())));

    const int w = width();
    m_title->setGeometry(2, 2, w - 26, TitleHeight);
    m_closeButton->setGeometry(w - 22, 3, 19, TitleHeight - 2);

    const QRect text(px(50), px(540), px(std::abs(panel.width() - 100)), px(std::abs(panel.height() - 1200)));
    m_tutorialBox->setGeometry(text);
    const int rowTop = text.bottom() + 1 + px(20);
    const QSize check = m_hideNextTimeCheckBox->sizeHint();
    m_hideNextTimeCheckBox->setGeometry(text.x(), rowTop, check.width(), RowHeight);
    m_writeButton->setGeometry(m_hideNextTimeCheckBox->geometry().right() + 1, rowTop, WriteButtonWidth,
                               RowHeight);
}

} // namespace weftara::help
