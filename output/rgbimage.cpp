#include "output/rgbimage.h"

namespace weftara::output {

QImage rgbImage(const QImage &image)
{
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB888);
}

} // namespace weftara::output
