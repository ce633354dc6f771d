#pragma once

#include <QObject>

class EngineMirrorTest : public QObject
{
    Q_OBJECT

private slots:
    void mirrorsEveryByte_data();
    void mirrorsEveryByte();
    void flipsCompose_data();
    void flipsCompose();
    void otherFormatsAreMirroredToo();
};
