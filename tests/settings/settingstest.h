#pragma once

#include <QObject>
#include <QTemporaryDir>

class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void readsRecords_data();
    void readsRecords();
    void emptyRecordsUseUpSlots();
    void fullTableStopsReadingAndAnswersEmpty();
    void secondReadKeepsTheTable();
    void linesFollowTheOrderOfFirstStore();
    void emptyTableWritesEmptyFile();
    void valuesSurviveWriteAndRead_data();
    void valuesSurviveWriteAndRead();
    void thirtySecondKeyIsIgnored();
    void unwritableFileIsReportedOnce();
    void shiftJisFileStaysShiftJis();
    void unmappableValueTurnsFileUtf8();

private:
    QString iniPath() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};
