#pragma once

#include <QObject>

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void tabStripFollowsWindow_data();
    void tabStripFollowsWindow();
    void tabButtonPositions();
    void sizeGroupIsAppendedOrReplaced_data();
    void sizeGroupIsAppendedOrReplaced();
    void guideText();
    void tabButtonPictures();
};
