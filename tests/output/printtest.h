#pragma once

#include <QObject>

class PrintTest : public QObject
{
    Q_OBJECT

private slots:
    void paperEntriesSizeThePage_data();
    void paperEntriesSizeThePage();
    void pictureLiesWhereTheSlidersPutIt_data();
    void pictureLiesWhereTheSlidersPutIt();
    void copiesAreJobsAndStopEndsTheRun();
    void composedPageAndWholePageView();
};
