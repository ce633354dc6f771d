#pragma once

#include <QObject>
#include <QTemporaryDir>

class PictureTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void resolvesFallbackPath_data();
    void resolvesFallbackPath();
    void choosesCollectionFolder_data();
    void choosesCollectionFolder();
    void readsPictureFormats_data();
    void readsPictureFormats();
    void tellsWhyReadingFailed_data();
    void tellsWhyReadingFailed();
    void laysTransparencyOverWhite();
    void scaledReadStretchesWholePicture_data();
    void scaledReadStretchesWholePicture();
    void turnsPicturesUpright_data();
    void turnsPicturesUpright();
    void usesCameraThumbnail_data();
    void usesCameraThumbnail();
    void convertsColoursToSrgb_data();
    void convertsColoursToSrgb();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};
