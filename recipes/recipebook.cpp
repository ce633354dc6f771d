#include "recipes/recipebook.h"

#include "platform/busycursor.h"
#include "platform/surface.h"
#include "platform/twips.h"
#include "recipes/recipedelete.h"
#include "recipes/recipekeys.h"
#include "recipes/recipepanel.h"
#include "recipes/recipesave.h"
#include "recipes/recipeselection.h"
#include "recipes/replay.h"
#include "workspace/workspace.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <utility>

namespace weftara::recipes {

namespace {

QString writeFailedMessage()
{
    return QStringLiteral("織り詞のファイル（kotoba.txt）に書き込めません。");
}

} // namespace

RecipeBook::RecipeBook(RecipePanel &panel, workspace::Workspace &ws, ReplayTarget &target,
                       QString recipeFile, QObject *parent)
    : QObject(parent)
    , m_panel(panel)
    , m_ws(ws)
    , m_target(target)
    , m_recipeFile(std::move(recipeFile))
{
    connect(panel.Command4(), &QPushButton::clicked, this, &RecipeBook::Command4_Click);
    connect(panel.Command5(), &QPushButton::clicked, this, &RecipeBook::Command5_Click);
    connect(panel.Command26(), &QPushButton::clicked, this, &RecipeBook::Command26_Click);
    connect(panel.Command6(), &QPushButton::clicked, this, &RecipeBook::Command6_Click);
    // A click on a name replays it, also when that name is already selected.
    connect(panel.List3(), &QListWidget::itemClicked, this, &RecipeBook::List3_Click);
    connect(panel.List3(), &QListWidget::itemActivated, this, &RecipeBook::List3_Click);
}

void RecipeBook::setFixPendingText(std::function<void()> fixPendingText,
                                   std::function<bool()> textPanelOpen)
{
    m_fixPendingText = std::move(fixPendingText);
    m_textPanelOpen = std::move(textPanelOpen);
}

void RecipeBook::mr_Click()
{
    if (m_panel.isHidden()) {
        m_panel.setGeometry(platform::twipsToPixels(RecipePanel::LeftTwips),
                            platform::twipsToPixels(RecipePanel::TopTwips),
                            platform::twipsToPixels(RecipePanel::WidthTwips),
                            platform::twipsToPixels(RecipePanel::HeightTwips));
        m_panel.coverList2();
        m_panel.show();
    }
    m_panel.raise();

    // A missing or unreadable file leaves the lists as they are.
    std::optional<RecipeLists> lists = loadRecipeLists(m_recipeFile);
    if (!lists)
        return;
    m_lists = std::move(*lists);
    m_marked.clear();
    m_markedName.clear();
    showLists();
    m_panel.Text11()->setPlainText(listHint());
}

void RecipeBook::Command4_Click()
{
    const QString name = m_panel.Text5()->text();
    if (isDuplicateName(m_lists.List3, name)) {
        m_ws.message(duplicateNameMessage());
        return;
    }
    // Text still standing on the text panel goes into the picture (and the
    // log) first, so that the stored recipe includes it.
    if (m_textPanelOpen && m_fixPendingText && m_textPanelOpen())
        m_fixPendingText();

    const SaveResult result = saveRecipe(m_recipeFile, m_lists.List3, name,
                                         m_panel.Text11()->toPlainText(), m_ws.LstLog().lines());
    switch (result.status) {
    case SaveStatus::DuplicateName:
    case SaveStatus::EmptyName:
        m_ws.message(saveMessage(result.status));
        return;
    case SaveStatus::WriteFailed:
        // Nothing was written; say so instead of looking like a success.
        m_ws.message(writeFailedMessage());
        return;
    case SaveStatus::Saved:
        break;
    }
    m_panel.Text11()->clear();
    mr_Click();
}

void RecipeBook::Command5_Click()
{
    const int selected = m_panel.List3()->currentRow();
    if (selected < 0 || selected >= m_lists.List3.size())
        return;
    // The block marked by the last click belongs to the selected name; when
    // the selection moved without a click, mark the selected name's block.
    const QString name = m_lists.List3[selected];
    if (m_markedName != name || m_marked.isEmpty())
        markBlockOf(name);

    QString error;
    switch (deleteRecipe(m_recipeFile, m_lists, selected, m_marked, &error)) {
    case DeleteStatus::NoSelection:
        return;
    case DeleteStatus::WriteFailed:
        m_ws.message(writeFailedMessage());
        return;
    case DeleteStatus::Deleted:
        break;
    }
    m_marked.clear();
    m_markedName.clear();
    showLists();
    m_panel.Text5()->clear();
}

void RecipeBook::Command26_Click()
{
    m_panel.Text11()->clear();
}

void RecipeBook::Command6_Click()
{
    m_panel.hide();
}

void RecipeBook::List3_Click()
{
    platform::BusyCursor busy;
    KotobaSentaku();
}

void RecipeBook::KotobaSentaku()
{
    const int selected = m_panel.List3()->currentRow();
    if (selected < 0 || selected >= m_lists.List3.size())
        return;

    workspace::Flags &flags = m_ws.flags();
    flags.LogSaiseiFlg = true;
    m_ws.Picture1(1).hide();

    const QString name = m_lists.List3[selected];
    m_panel.Text5()->setText(name);
    markBlockOf(name);
    m_panel.raise();

    KotobaSaisei(m_lstlogBack, m_target);
    flags.LogSaiseiFlg = false;
    if (m_replayFinished)
        m_replayFinished();
}

void RecipeBook::showLists()
{
    QListWidget *list2 = m_panel.List2();
    QListWidget *list3 = m_panel.List3();
    list2->clear();
    list2->addItems(m_lists.List2);
    list3->clear();
    list3->addItems(m_lists.List3);
}

void RecipeBook::markBlockOf(const QString &name)
{
    QListWidget *list2 = m_panel.List2();
    list2->clearSelection();
    const RecipeBlock block = markRecipeBlock(m_lists.List2, name);
    for (qsizetype i : block.marked)
        if (QListWidgetItem *item = list2->item(int(i)))
            item->setSelected(true);
    m_marked = block.marked;
    m_markedName = name;
    m_lstlogBack = block.LstlogBack;
}

} // namespace weftara::recipes
