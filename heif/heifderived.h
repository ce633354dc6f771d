#pragma once

#include <QByteArrayView>
#include <QSize>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace weftara::heif {

// A picture that libheif puts together from other pictures (a grid of tiles
// or an overlay), with the canvas size its descriptor states.
struct DerivedPicture
{
    quint32 item = 0;
    QSize size;
};

// Every grid and overlay in the file, read from the file's own boxes; nullopt
// when one of them is there but its descriptor cannot be read. libheif makes
// such a picture at the size its descriptor states, whatever size the
// picture states for itself (and the picture limit was checked against), so
// a few bytes could otherwise cost gigabytes before anything is decoded.
// A file whose derived pictures cannot all be measured is not decoded.
std::optional<std::vector<DerivedPicture>> derivedPictures(QByteArrayView file);

} // namespace weftara::heif
