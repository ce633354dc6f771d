#pragma once

#include <QObject>

class DesktopTest : public QObject
{
    Q_OBJECT

private slots:
    void choosesFolders_data();
    void choosesFolders();
    void firstStartCopiesMissingSamplesOnly();
    void droppedPictureLoadsLikeClick();
    void returnReplaysRecipe();
    void standardKeysTriggerMenuItems_data();
    void standardKeysTriggerMenuItems();
    void everyControlHasAName();
};
