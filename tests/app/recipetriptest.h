#pragma once

#include <QObject>

// Recipes through the real window: made by hand, stored, replayed in a
// fresh window, and recipes written elsewhere replayed through the
// fallback folders.
class RecipeTripTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTripGivesTheSamePicture();
    void thresholdWeaveRoundTrip();
    void tonesOnEachPictureRoundTrip();
    void wovenToneAfterEffectRoundTrip();
    void baseZoomAfterToneRoundTrip();
    void orientedPhotoRoundTrip();
    void thresholdEqualToSliderWeaves();
    void windowsRecipeUsesFallbackFolders();
    void brokenRecipeReplaysWhatItCan();
    void replaySkipsPicturesTooLarge();
    void sampleRecipesReplay();
};
