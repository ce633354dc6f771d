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
    setObjectName(QStringLiteral("recipePanel"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setFont(workspace::panelFont(font(), workspace::PanelFontPixels));
    const int w = platform::twipsToPixels(WidthTwips);
    const int h = platform::twipsToPixels(HeightTwips);
    resize(w, h);

    // 271 × 427 pixels: title row, name, the list of names, the
    // description and a row of buttons.
    m_title = makeTitle(this, QStringLiteral("織詞（Log)"), QRect(2, 2, w - 30, 20));
    m_closeButton = makeButton(this, QStringLiteral("×"), QRect(w - 26, 2, 24, 20));
    m_nameLabel = makeLabel(this, QStringLiteral("名前"), QRect(6, 28, 34, 22));
    m_nameBox = new QLineEdit(this);
    m_nameBox->setGeometry(42, 28, w - 48, 22);

    m_lineList = new QListWidget(this);
    m_lineList->setSelectionMode(QAbstractItemView::MultiSelection);
    m_lineList->setGeometry(6, 56, w - 12, 200);
    m_nameList = new QListWidget(this);
    m_nameList->setGeometry(m_lineList->geometry());

    m_descriptionBox = new QPlainTextEdit(this);
    m_descriptionBox->setGeometry(6, 262, w - 12, h - 262 - 34);

    const int buttonTop = h - 30;
    const int buttonWidth = (w - 12 - 3 * 6) / 4;
    m_saveButton = makeButton(this, QStringLiteral("保存"), QRect(6, buttonTop, buttonWidth, 24));
    m_deleteButton = makeButton(this, QStringLiteral("削除"),
                                QRect(6 + (buttonWidth + 6), buttonTop, buttonWidth, 24));
    m_clearButton = makeButton(this, QStringLiteral("CLS"),
                               QRect(6 + 2 * (buttonWidth + 6), buttonTop, buttonWidth, 24));

    m_title->setToolTip(QStringLiteral("織り詞：操作の記録を名前を付けて保存し、クリックで再生します"));
    m_nameList->setToolTip(QStringLiteral("名前をクリックすると、その織り詞を再生します"));

    m_title->setObjectName(QStringLiteral("title"));
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_nameLabel->setObjectName(QStringLiteral("nameLabel"));
    m_nameBox->setObjectName(QStringLiteral("nameBox"));
    m_lineList->setObjectName(QStringLiteral("lineList"));
    m_nameList->setObjectName(QStringLiteral("nameList"));
    m_descriptionBox->setObjectName(QStringLiteral("descriptionBox"));
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_deleteButton->setObjectName(QStringLiteral("deleteButton"));
    m_clearButton->setObjectName(QStringLiteral("clearButton"));
    m_closeButton->setAccessibleName(QStringLiteral("閉じる"));
    m_nameBox->setAccessibleName(QStringLiteral("名前"));
    m_nameList->setAccessibleName(QStringLiteral("織り詞"));
    m_lineList->setAccessibleName(QStringLiteral("織り詞の行"));
    m_descriptionBox->setAccessibleName(QStringLiteral("説明"));
    // The line list lies under the names and is never looked at.
    m_lineList->setFocusPolicy(Qt::NoFocus);
    workspace::setTabOrder({m_nameBox, m_nameList, m_descriptionBox, m_saveButton, m_deleteButton, m_clearButton,
                            m_closeButton});
    coverLineList();
    hide();
}

void RecipePanel::coverLineList()
{
    m_nameList->setGeometry(m_lineList->geometry());
    m_nameList->raise();
}

} // namespace weftara::recipes
