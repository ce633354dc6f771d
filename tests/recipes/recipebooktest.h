#pragma once

#include <QObject>

// The recipe panel driven as a user would: open, save, click a name to
// replay, delete.
class RecipeBookTest : public QObject
{
    Q_OBJECT

private slots:
    void openWithoutFileKeepsLists();
    void saveAndList();
    void saveRefusals_data();
    void saveRefusals();
    void saveFixesPendingText();
    void clickReplaysTheBlock();
    void deleteTheSelected();
    void unwritableFileIsReported();
};
