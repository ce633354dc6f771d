#include "workspace/formlayout.h"

#include "workspace/controlpanel.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace weftara::workspace {

namespace {

int clampedAbs(long long value)
{
    return static_cast<int>(std::min<long long>(std::llabs(value), std::numeric_limits<int>::max()));
}

} // namespace

QRect tabStripTwips(int windowWidth, int windowHeight)
{
    return {0, ControlPanel::HeightTwips, clampedAbs(static_cast<long long>(windowWidth) + 100),
            clampedAbs(static_cast<long long>(windowHeight) - 1000)};
}

} // namespace weftara::workspace
