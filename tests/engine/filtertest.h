#pragma once

#include <QObject>

class EngineFilterTest : public QObject
{
    Q_OBJECT

private slots:
    void everyByteValue_data();
    void everyByteValue();
    void greyOfEveryColour();
    void examples_data();
    void examples();
    void solariseTwice();
};
