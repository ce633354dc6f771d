#pragma once

#include <QByteArrayView>
#include <QSize>
#include <QtGlobal>

#include <optional>

namespace weftara::heif {

// The size that the descriptor of grid item `item` states, read from the
// file's own boxes; nullopt when the item is no grid or its descriptor
// cannot be found. libheif makes a grid picture at this size whatever size
// the picture states for itself (and the picture limit was checked against),
// so a file whose grid is the larger is refused before it is decoded: a few
// bytes would otherwise cost gigabytes.
std::optional<QSize> gridSize(QByteArrayView file, quint32 item);

} // namespace weftara::heif
