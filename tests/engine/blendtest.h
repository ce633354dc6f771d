#pragma once

#include <QObject>

class EngineBlendTest : public QObject
{
    Q_OBJECT

private slots:
    void mixMatchesDoubleFormulaForEveryPairAndRatio();
    void mixExamples_data();
    void mixExamples();
    void ratioOutsideRangeWritesNothing_data();
    void ratioOutsideRangeWritesNothing();
    void toneWeavesMatchRule_data();
    void toneWeavesMatchRule();
    void toneWeaveExamples();
    void sizesFollowTheBaseByteCount_data();
    void sizesFollowTheBaseByteCount();
    void destinationMayAliasASource_data();
    void destinationMayAliasASource();
};
