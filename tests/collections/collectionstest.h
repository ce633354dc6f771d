#pragma once

#include <QObject>

class CollectionsTest : public QObject
{
    Q_OBJECT

private slots:
    void fillsBothSheets();
    void thumbnailClickLoadsFile_data();
    void thumbnailClickLoadsFile();
    void clickWithoutThumbnailIsIgnored_data();
    void clickWithoutThumbnailIsIgnored();
    void patternBeforeBase();
    void badFilesAreLeftOut();
    void cancelledFillIsNotDrawn();
    void unusableFolderOpensPanel_data();
    void unusableFolderOpensPanel();
    void baseCollectionClearsLogEveryTime();
    void storedFolderChangeRefills();
    void baseThenPatternThenWeave();
};
