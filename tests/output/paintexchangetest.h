#pragma once

#include <QObject>

class PaintExchangeTest : public QObject
{
    Q_OBJECT

private slots:
    void pictureGoesAndComesBack();
    void smallerPictureLiesTopLeft();
    void startsTheFirstProgramFound();
};
