#pragma once

#include <QObject>

// weftara-batch run as a user runs it, against the window's own replay.
class BatchTest : public QObject
{
    Q_OBJECT

private slots:
    void sampleRecipesMatchTheWindow_data();
    void sampleRecipesMatchTheWindow();
    void pairsFailuresAndShards();
    void interruptLeavesOnlyWholeFiles();
};
