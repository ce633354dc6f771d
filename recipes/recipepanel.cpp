#include "recipes/recipepanel.h"

#include "platform/twips.h"
#include "workspace/panelcontrols.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace weftara::recipes {

using workspace::makeButton;
using workspace::makeLabel;
using workspace::makeTitle;

RecipePanel::RecipePanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame2"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setFont(workspace::panelFont(font(), workspace::PanelFontPixels));
    const int w = platform::twipsToPixels(WidthTwips);
    const int h = platform::twipsToPixels(HeightTwips);
    resize(w, h);

    // 271 × 427 pixels: title row, name, the list of names, the
    // description and a row of buttons.
    m_label8 = makeTitle(this, QStringLiteral("織詞（Log)"), QRect(2, 2, w - 30, 20));
    m_command6 = makeButton(this, QStringLiteral("×"), QRect(w - 26, 2, 24, 20));
    m_label1 = makeLabel(this, QStringLiteral("名前"), QRect(6, 28, 34, 22));
    m_text5 = new QLineEdit(this);
    m_text5->setGeometry(42, 28, w - 48, 22);

    m_list2 = new QListWidget(this);
    m_list2->setSelectionMode(QAbstractItemView::MultiSelection);
    m_list2->setGeometry(6, 56, w - 12, 200);
    m_list3 = new QListWidget(this);
    m_list3->setGeometry(m_list2->geometry());

    m_text11 = new QPlainTextEdit(this);
    m_text11->setGeometry(6, 262, w - 12, h - 262 - 34);

    const int buttonTop = h - 30;
    const int buttonWidth = (w - 12 - 3 * 6) / 4;
    m_command4 = makeButton(this, QStringLiteral("保存"), QRect(6, buttonTop, buttonWidth, 24));
    m_command5 = makeButton(this, QStringLiteral("削除"),
                            QRect(6 + (buttonWidth + 6), buttonTop, buttonWidth, 24));
    m_command26 = makeButton(this, QStringLiteral("CLS"),
                             QRect(6 + 2 * (buttonWidth + 6), buttonTop, buttonWidth, 24));

    m_label8->setToolTip(QStringLiteral("織り詞：操作の記録を名前を付けて保存し、クリックで再生します"));
    m_list3->setToolTip(QStringLiteral("名前をクリックすると、その織り詞を再生します"));
    coverList2();
    hide();
}

void RecipePanel::coverList2()
{
    m_list3->setGeometry(m_list2->geometry());
    m_list3->raise();
}

} // namespace weftara::recipes
