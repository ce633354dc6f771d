#pragma once

#include <QObject>

class AboutAndHelpTest : public QObject
{
    Q_OBJECT

private slots:
    void aboutBox();
    void systemInfo_data();
    void systemInfo();
    void helpCommands_data();
    void helpCommands();
    void helpFileInRootFolder();
};
