#pragma once

#include <QObject>

class NumberTextTest : public QObject
{
    Q_OBJECT

private slots:
    void formatsIntegers_data();
    void formatsIntegers();
    void formatsReals_data();
    void formatsReals();
    void realsReadBackExactly();
    void readsLeadingNumber_data();
    void readsLeadingNumber();
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void roundingMatchesNearbyint();
    void readsIntoTargets_data();
    void readsIntoTargets();
    void convertsTwips_data();
    void convertsTwips();
};
