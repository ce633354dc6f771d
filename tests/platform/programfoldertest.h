#pragma once

#include <QObject>

class ProgramFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void splitsFileName_data();
    void splitsFileName();
    void joinsPaths_data();
    void joinsPaths();
    void findsChildIgnoringCase();
    void resolvesRelativePaths_data();
    void resolvesRelativePaths();
    void folderOfExecutable();
    void fileNamesKeepTheirBytes_data();
    void fileNamesKeepTheirBytes();
};
