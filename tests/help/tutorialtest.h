#pragma once

#include <QObject>

class TutorialTest : public QObject
{
    Q_OBJECT

private slots:
    void startUp_data();
    void startUp();
    void choiceIsStored();
    void writeAndReload_data();
    void writeAndReload();
    void failedWriteKeepsText();
};
