#pragma once

#include <QObject>

class OperationLogTest : public QObject
{
    Q_OBJECT

private slots:
    void weaveGroup_data();
    void weaveGroup();
    void toneGroup_data();
    void toneGroup();
    void zoomGroup_data();
    void zoomGroup();
    void effectAndColourLines();
    void capacity();
};
