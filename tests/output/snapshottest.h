#pragma once

#include <QObject>

class SnapshotTest : public QObject
{
    Q_OBJECT

private slots:
    void storeEraseAndLoad();
    void loadWithoutAPreviewedSnapshotDoesNothing();
    void loadsFromAnEmptyCollection();
};
