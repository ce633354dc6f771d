#pragma once

#include <QObject>

class LoadingTest : public QObject
{
    Q_OBJECT

private slots:
    void fallsBackToProgramFolder_data();
    void fallsBackToProgramFolder();
    void logAfterBaseThenPattern();
    void tilesPatternOverBase_data();
    void tilesPatternOverBase();
    void failedLoadLeavesWorkspace_data();
    void failedLoadLeavesWorkspace();
    void showsPictureWhenTabAlreadySelected();
    void replayKeepsPatternHidden();
    void loadsWithoutWidgets();
};
