#pragma once

#include <QObject>

class TextFileTest : public QObject
{
    Q_OBJECT

private slots:
    void splitsLines_data();
    void splitsLines();
    void tellsMissingFromEmpty();
    void writesCrLfUtf8();
    void readsShiftJis();
    void writesShiftJis();
    void replacesUnmappableCharacters();
    void appendKeepsEncoding_data();
    void appendKeepsEncoding();
    void replacesAtomically();
    void reportsUnwritablePlaces();
};
