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
class ReplayTarget;

// The recipe panel's reactions: opening it and loading the lists
// (`mr_Click`), saving the operation log as a recipe (`Command4_Click`),
// deleting one (`Command5_Click`), clearing the description
// (`Command26_Click`), closing (`Command6_Click`) and replaying the clicked
// recipe (`List3_Click`, `KotobaSentaku`).
class RecipeBook : public QObject
{
    Q_OBJECT

public:
    // `recipeFile` is the full path of kotoba.txt. `fixPendingText` fixes
    // text still on the text panel into the woven picture before a save
    // (the text panel's "織込"); it may be empty while there is no text
    // panel, and returns whether the panel was open.
    RecipeBook(RecipePanel &panel, workspace::Workspace &ws, ReplayTarget &target,
               QString recipeFile, QObject *parent = nullptr);

    void setFixPendingText(std::function<void()> fixPendingText, std::function<bool()> textPanelOpen);
    // Runs after a replay has ended and LogSaiseiFlg is clear again.
    void setReplayFinished(std::function<void()> replayFinished) { m_replayFinished = std::move(replayFinished); }

    void mr_Click();
    void Command4_Click();
    void Command5_Click();
    void Command26_Click();
    void Command6_Click();
    void List3_Click();
    void KotobaSentaku();

    // The recipe's block as last marked, and what replay read.
    const QList<qsizetype> &markedLines() const { return m_marked; }
    const QStringList &LstlogBack() const { return m_lstlogBack; }
    const QString &recipeFile() const { return m_recipeFile; }

private:
    void showLists();
    void markBlockOf(const QString &name);

    RecipePanel &m_panel;
    workspace::Workspace &m_ws;
    ReplayTarget &m_target;
    QString m_recipeFile;
    RecipeLists m_lists;
    QList<qsizetype> m_marked;
    QString m_markedName;
    QStringList m_lstlogBack;
    std::function<void()> m_fixPendingText;
    std::function<bool()> m_textPanelOpen;
    std::function<void()> m_replayFinished;
};

} // namespace weftara::recipes
