#pragma once

#include <QObject>

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void captionAndMenus();
    void exitClosesWindow();
    void firstStartWithoutSettings();
    void geometryFromSettings_data();
    void geometryFromSettings();
    void fitsGeometryToScreens_data();
    void fitsGeometryToScreens();
    void resizesLeaveOneSizeGroup();
    void closeStoresGeometry();
    void minimizedCloseKeepsGeometry();
    void tabButtonsSelectTabs();
    void tabStripClickOnSelectedTab();
    void menusOpenFolderPanel();
    void collectionWithoutFolderOpensPanel();
    void guideText();
    void tabButtonPictures();
    void helpMenuAndPanels();
    void outputMenusOpenTheirPanels();
};
