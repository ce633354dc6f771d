#pragma once

#include <QObject>

class SaveTest : public QObject
{
    Q_OBJECT

private slots:
    void savesTheShownPicture_data();
    void savesTheShownPicture();
    void refusesEndingsItCannotWrite();
    void failedWriteKeepsTheOldFile();
};
