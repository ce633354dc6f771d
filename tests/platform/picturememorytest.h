#pragma once

#include <QObject>

class PictureMemoryTest : public QObject
{
    Q_OBJECT

private slots:
    void limitFollowsFreeMemory_data();
    void limitFollowsFreeMemory();
    void sizesThatFit_data();
    void sizesThatFit();
};
