#pragma once

#include <QImage>

#include <span>

namespace weftara::samples {

// One sample picture: its file name (the suffix chooses the format) and the
// function that draws it.
struct Sample
{
    const char *fileName;
    QImage (*draw)();
};

// The base collection's pictures ("Motoe") and the pattern collection's
// ("Garae").
std::span<const Sample> basePictures();
std::span<const Sample> patternPictures();

} // namespace weftara::samples
