#include "workspace/formlayout.h"

#include "platform/twips.h"
#include "workspace/controlpanel.h"

#include <cmath>

namespace weftara::workspace {

QRect tabStripRect(QSize window)
{
    const double widthTwips = platform::pixelsToTwips(window.width());
    const double heightTwips = platform::pixelsToTwips(window.height());
    return {0, platform::twipsToPixels(ControlPanel::HeightTwips),
            platform::twipsToPixels(std::fabs(widthTwips + 100)),
            platform::twipsToPixels(std::fabs(heightTwips - 1000))};
}

} // namespace weftara::workspace
