#pragma once

#include <QObject>

class SurfaceTest : public QObject
{
    Q_OBJECT

private slots:
    void startsWithBackColor();
    void setPictureWithoutAutoSize_data();
    void setPictureWithoutAutoSize();
    void setPictureWithAutoSize();
    void clsRestoresPicture();
    void fixDrawingSurvivesCls();
    void clearPictureLeavesBackColor();
    void sharedPicturesStayApart();
    void resizeKeepsContent_data();
    void resizeKeepsContent();
    void plainStretchPicksNearestPixels();
    void smoothStretchIgnoresByte3();
    void paintingIgnoresByte3();
    void printAdvancesLines();
    void viewFollowsSurface();
    void mouseSignalsCarryPixels();
};
