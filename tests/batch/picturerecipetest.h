#pragma once

#include <QObject>

// A saved JPEG carries the recipe that made it.
class PictureRecipeTest : public QObject
{
    Q_OBJECT

private slots:
    void savedJpegReplaysToTheSamePicture();
};
