#pragma once

#include <QObject>
#include <QTemporaryDir>

class RecipeFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void missingOrUnreadableFile();
    void loadLists_data();
    void loadLists();

    void saveEmptyLog();
    void saveKeepsExistingBytes_data();
    void saveKeepsExistingBytes();
    void saveRefusesDuplicateNames_data();
    void saveRefusesDuplicateNames();
    void saveRefusesEmptyNames_data();
    void saveRefusesEmptyNames();
    void saveJoinsDescription();
    void saveKeepsEveryEntryOnOneLine();
    void saveReportsWriteFailure();

    void markBlock_data();
    void markBlock();

    void deleteCutsOutOnlyTheBlock_data();
    void deleteCutsOutOnlyTheBlock();
    void seesTheFileAsItIsNow();
    void deleteFailureKeepsLists();

    void windowsRecipeReplays();
    void writtenTextRoundTripsThroughFile();

private:
    QString recipePath() const;
    QTemporaryDir m_dir;
};
