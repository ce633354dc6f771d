#pragma once

#include <QObject>
#include <QTemporaryDir>

// Random recipe lines and random recipe files, from fixed seeds, checked for
// crashes (under the sanitizers), out-of-range indices and broken file
// invariants.
class RecipeFuzzTest : public QObject
{
    Q_OBJECT

private slots:
    void replayRandomBlocks_data();
    void replayRandomBlocks();
    void randomRecipeFiles_data();
    void randomRecipeFiles();

private:
    QTemporaryDir m_dir;
};
