#pragma once

#include <QObject>

class SaveTest : public QObject
{
    Q_OBJECT

private slots:
    void savesTheShownPicture_data();
    void savesTheShownPicture();
    void refusesEndingsItCannotWrite();
    void failedWriteKeepsTheOldFile();
};

class PrintTest : public QObject
{
    Q_OBJECT

private slots:
    void printedPageIsThePreview_data();
    void printedPageIsThePreview();
    void copiesAreJobsAndStopEndsTheRun();
    void composedPageAndWholePageView();
};

class SnapshotTest : public QObject
{
    Q_OBJECT

private slots:
    void storeEraseAndLoad();
    void loadNeedsAPreviewedSnapshot();
};

class PaintExchangeTest : public QObject
{
    Q_OBJECT

private slots:
    void sendStartsTheFirstProgramFound();
    void takeBackKeepsTheSurfaceSize();
};
