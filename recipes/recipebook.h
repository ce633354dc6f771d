#pragma once

#include "recipes/recipelists.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace weftara::workspace {
class Workspace;
} // namespace weftara::workspace

namespace weftara::recipes {

class RecipePanel;
class ReplayActions;

// The recipe panel's reactions: opening it and loading the lists, saving
// the operation log as a recipe, deleting one, clearing the description,
// closing, and replaying the clicked recipe.
class RecipeBook : public QObject
{
    Q_OBJECT

public:
    // `recipeFile` is the full path of the recipe file.
    RecipeBook(RecipePanel &panel, workspace::Workspace &ws, ReplayActions &replayActions,
               QString recipeFile, QObject *parent = nullptr);

    // `fixPendingText` fixes text still on the text panel into the woven
    // picture before a save (the text panel's "織込"), when `textPanelOpen`
    // says the panel is open. Without them nothing is fixed.
    void setFixPendingText(std::function<void()> fixPendingText, std::function<bool()> textPanelOpen);
    // Runs after a replay has ended and the workspace no longer counts as
    // replaying.
    void setReplayFinished(std::function<void()> replayFinished) { m_replayFinished = std::move(replayFinished); }

    // Menu "織り詞(Log)": places and shows the panel and loads both lists.
    void openPanel();
    void save();
    void deleteSelected();
    void clearDescription();
    void closePanel();
    // A name was clicked: replays it under the busy pointer.
    void onNameClicked();
    // Marks the selected name's block, shows its name and replays it.
    void selectRecipe();
    // Replays `block` as a click on a name does, with `name` in the name
    // box, so that the rebuilt log can be stored under it.
    void replay(const QString &name, const QStringList &block);

    const QString &recipeFile() const { return m_recipeFile; }

protected:
    // Return on a name replays it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showLists();
    // Marks the name's block in the line list and returns it.
    QStringList markBlockOf(const QString &name);

    RecipePanel &m_panel;
    workspace::Workspace &m_ws;
    ReplayActions &m_replayActions;
    QString m_recipeFile;
    RecipeLists m_lists;
    QList<qsizetype> m_marked;
    QString m_markedName;
    std::function<void()> m_fixPendingText;
    std::function<bool()> m_textPanelOpen;
    std::function<void()> m_replayFinished;
};

} // namespace weftara::recipes
