#pragma once

#include <QObject>

class EngineKernelTest : public QObject
{
    Q_OBJECT

private slots:
    void packedByteArithmetic();
    void weaveMixPathsAgree_data();
    void weaveMixPathsAgree();
    void weaveMixRepeatedPairs_data();
    void weaveMixRepeatedPairs();
    void vectorPathFollowsTheRequest();
};
