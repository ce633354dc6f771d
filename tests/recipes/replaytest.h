#pragma once

#include <QObject>

class RecipeReplayTest : public QObject
{
    Q_OBJECT

private slots:
    void startShowsDescription_data();
    void startShowsDescription();
    void commandRows_data();
    void commandRows();
    void numberReading_data();
    void numberReading();
    void indicesOutOfRangeAreSkipped_data();
    void indicesOutOfRangeAreSkipped();
    void onOffValues_data();
    void onOffValues();
    void brokenRecipesReplayWhatTheyCan_data();
    void brokenRecipesReplayWhatTheyCan();
    void wholeRecipeInOrder();
    void textGroupIsFormatted();
    void lineBreakMarkers_data();
    void lineBreakMarkers();
    void textGroupRoundTrips();
};
