#pragma once

#include <QObject>

// The pictures and log lines the workspace's operations produce, driven
// through the controls as a user would.
class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void weaveButton_data();
    void weaveButton();
    void thresholdWeaves();
    void weaveWithoutPattern();
    void reweaveLeavesHeldPictureAlone();
    void missingPictures_data();
    void missingPictures();
    void effects_data();
    void effects();
    void colourButtons_data();
    void colourButtons();
    void toneOnPattern();
    void toneOnBaseAfterWeave();
    void toneStartsAfreshAfterReweave();
    void zoomBaseTwice();
    void zoomWovenWithoutPattern();
    void zoomWovenAfterTone();
    void refusesPicturesTooLarge();
    void failedPictureIsPutBack();
    void zoomedSize_data();
    void zoomedSize();
    void applyButtons_data();
    void applyButtons();
    void flips_data();
    void flips();
    void flipKeepsZoomSource();
};
