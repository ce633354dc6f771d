#pragma once

#include <QObject>

class EngineFlipTest : public QObject
{
    Q_OBJECT

private slots:
    void flipsEveryByte_data();
    void flipsEveryByte();
    void flipsCompose_data();
    void flipsCompose();
    void otherFormatsAreFlippedToo();
};
