#pragma once

#include <QObject>
#include <QTemporaryDir>

class SheetTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void placesThumbnails_data();
    void placesThumbnails();
    void thumbnailIndexAtClick_data();
    void thumbnailIndexAtClick();
    void listsPicturesByContent();
    void hiddenFilesAndFoldersAreNotListed();
    void sortsByNameIgnoringCase();
    void missingFolderFillsNothing();
    void sameSheetOnAnyNumberOfThreads();
    void listsNamesThatAreNotUtf8();
    void folderWithTrailingSeparator();
    void sharesThumbnailsThroughTheCache();
    void cancelKeepsTheFilesBefore();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};
