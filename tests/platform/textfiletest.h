#pragma once

#include <QObject>

class TextFileTest : public QObject
{
    Q_OBJECT

private slots:
    void decodesLines_data();
    void decodesLines();
    void tellsMissingFromEmpty();
    void writesCrLfUtf8();
    void readsShiftJis();
    void writesShiftJis();
    void replacesUnmappableCharacters();
    void appendKeepsEncoding_data();
    void appendKeepsEncoding();
    void appendKeepsWhatShiftJisWouldLose();
    void replacesAtomically();
    void appendWritesOnlyTheNewLines();
    void reportsUnwritablePlaces();
};
