#include "engine/surface.h"

namespace weftara::engine {

bool isReadable(const QImage &image) noexcept
{
    return !image.isNull() && image.width() > 0 && image.height() > 0
        && image.format() == QImage::Format_RGB32;
}

} // namespace weftara::engine
