#include "recipes/recipebook.h"

#include "platform/busycursor.h"
#include "platform/dialogs.h"
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
#include <QKeyEvent>

#include <utility>

namespace weftara::recipes {

namespace {

QString writeFailedMessage()
{
    return QStringLiteral("織り詞のファイル（kotoba.txt）に書き込めません。");
}

QString recipeChangedMessage()
{
    return QStringLiteral("この織り詞は織り詞のファイル（kotoba.txt）の中で変えられたか、もうありません。"
                          "何も削除していません。");
}

} // namespace

RecipeBook::RecipeBook(RecipePanel &panel, workspace::Workspace &ws, ReplayActions &replayActions,
                       QString recipeFile, QObject *parent)
    : QObject(parent)
    , m_panel(panel)
    , m_ws(ws)
    , m_replayActions(replayActions)
    , m_recipeFile(std::move(recipeFile))
{
    connect(panel.saveButton(), &QPushButton::clicked, this, &RecipeBook::save);
    connect(panel.deleteButton(), &QPushButton::clicked, this, &RecipeBook::deleteSelected);
    connect(panel.clearButton(), &QPushButton::clicked, this, &RecipeBook::clearDescription);
    connect(panel.closeButton(), &QPushButton::clicked, this, &RecipeBook::closePanel);
    // A click on a name replays it, also when that name is already selected;
    // so does Return on the current name. The list's "activated" is not
    // used: desktops that open items with one click send it with the click,
    // and a double click sends it as well, which would replay twice.
    connect(panel.nameList(), &QListWidget::itemClicked, this, &RecipeBook::onNameClicked);
    panel.nameList()->installEventFilter(this);
}

bool RecipeBook::eventFilter(QObject *watched, QEvent *event)
{
    // Only key presses: the list also sends events while the panel is
    // being destroyed.
    if (event->type() == QEvent::KeyPress && watched == m_panel.nameList()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            onNameClicked();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void RecipeBook::setFixPendingText(std::function<void()> fixPendingText,
                                   std::function<bool()> textPanelOpen)
{
    m_fixPendingText = std::move(fixPendingText);
    m_textPanelOpen = std::move(textPanelOpen);
}

void RecipeBook::openPanel()
{
    if (m_panel.isHidden()) {
        m_panel.setGeometry(platform::twipsToPixels(RecipePanel::LeftTwips),
                            platform::twipsToPixels(RecipePanel::TopTwips),
                            platform::twipsToPixels(RecipePanel::WidthTwips),
                            platform::twipsToPixels(RecipePanel::HeightTwips));
        m_panel.coverLineList();
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
    m_panel.descriptionBox()->setPlainText(listHint());
}

void RecipeBook::save()
{
    const QString name = m_panel.nameBox()->text();
    if (isDuplicateName(m_lists.names, name)) {
        m_ws.dialogs().message(duplicateNameMessage());
        return;
    }
    // Text still standing on the text panel goes into the picture (and the
    // log) first, so that the stored recipe includes it.
    if (m_textPanelOpen && m_fixPendingText && m_textPanelOpen())
        m_fixPendingText();

    const SaveResult result = saveRecipe(m_recipeFile, m_lists.names, name,
                                         m_panel.descriptionBox()->toPlainText(), m_ws.log().lines());
    switch (result.status) {
    case SaveStatus::DuplicateName:
    case SaveStatus::EmptyName:
        m_ws.dialogs().message(saveMessage(result.status));
        return;
    case SaveStatus::WriteFailed:
        // Nothing was written; say so instead of looking like a success.
        m_ws.dialogs().message(writeFailedMessage());
        return;
    case SaveStatus::Saved:
        break;
    }
    m_panel.descriptionBox()->clear();
    openPanel();
}

void RecipeBook::deleteSelected()
{
    const int selected = m_panel.nameList()->currentRow();
    if (selected < 0 || selected >= m_lists.names.size())
        return;
    // The block marked by the last click belongs to the selected name; when
    // the selection moved without a click, mark the selected name's block.
    const QString name = m_lists.names[selected];
    if (m_markedName != name || m_marked.isEmpty())
        markBlockOf(name);
    QStringList shown;
    for (const qsizetype i : std::as_const(m_marked))
        shown.append(m_lists.lines[i]);

    switch (deleteRecipe(m_recipeFile, name, shown, m_lists)) {
    case DeleteStatus::WriteFailed:
        m_ws.dialogs().message(writeFailedMessage());
        return;
    case DeleteStatus::BlockChanged:
        m_ws.dialogs().message(recipeChangedMessage());
        break;
    case DeleteStatus::Deleted:
        m_panel.nameBox()->clear();
        break;
    }
    // The lists now show the file as it is, recipes added elsewhere included.
    m_marked.clear();
    m_markedName.clear();
    showLists();
}

void RecipeBook::clearDescription()
{
    m_panel.descriptionBox()->clear();
}

void RecipeBook::closePanel()
{
    m_panel.hide();
}

void RecipeBook::onNameClicked()
{
    platform::BusyCursor busy;
    selectRecipe();
}

void RecipeBook::selectRecipe()
{
    const int selected = m_panel.nameList()->currentRow();
    if (selected < 0 || selected >= m_lists.names.size())
        return;
    const QString name = m_lists.names[selected];
    replay(name, markBlockOf(name));
}

void RecipeBook::replay(const QString &name, const QStringList &block)
{
    m_panel.nameBox()->setText(name);
    m_panel.raise();
    replayOnWorkspace(m_ws, block, m_replayActions);
    if (m_replayFinished)
        m_replayFinished();
}

void RecipeBook::showLists()
{
    QListWidget *lineList = m_panel.lineList();
    QListWidget *nameList = m_panel.nameList();
    lineList->clear();
    lineList->addItems(m_lists.lines);
    nameList->clear();
    nameList->addItems(m_lists.names);
}

QStringList RecipeBook::markBlockOf(const QString &name)
{
    QListWidget *lineList = m_panel.lineList();
    lineList->clearSelection();
    const RecipeBlock block = markRecipeBlock(m_lists.lines, name);
    for (qsizetype i : block.marked)
        if (QListWidgetItem *item = lineList->item(int(i)))
            item->setSelected(true);
    m_marked = block.marked;
    m_markedName = name;
    return block.lines;
}

} // namespace weftara::recipes
