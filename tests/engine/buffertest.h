#pragma once

#include <QObject>

class EngineBufferTest : public QObject
{
    Q_OBJECT

private slots:
    void channelGetters_data();
    void channelGetters();
    void pixelBufferRowsAreBottomUp();
    void pixelBufferRoundTripKeepsEveryByte();
    void byteBufferRowsAreTopDown();
    void byteBufferShortImages_data();
    void byteBufferShortImages();
    void unreadableImagesAreLeftAlone_data();
    void unreadableImagesAreLeftAlone();
};
