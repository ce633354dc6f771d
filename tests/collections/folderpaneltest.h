#pragma once

#include <QObject>

class FolderPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void opensOnCollectionFolder_data();
    void opensOnCollectionFolder();
    void storesEveryFolderChange();
    void keepsModeAfterClosing();
    void listsDrives();
};
