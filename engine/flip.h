#pragma once

#include <QImage>

namespace weftara::engine {

enum class Flip {
    TopBottom, // (x, y) -> (x, H - 1 - y)
    LeftRight, // (x, y) -> (W - 1 - x, y)
    Both,      // (x, y) -> (W - 1 - x, H - 1 - y), a half turn
};

// A flipped copy of src. For RGB32 every pixel's four bytes are moved
// unchanged, byte 3 included; other formats are flipped by Qt.
QImage flipped(const QImage &src, Flip kind);

} // namespace weftara::engine
