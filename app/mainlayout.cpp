#include "app/mainlayout.h"

#include "platform/numbertext.h"
#include "workspace/operationlog.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace weftara::app {

namespace {

int clampedAbs(long long value)
{
    return static_cast<int>(std::min<long long>(std::llabs(value), std::numeric_limits<int>::max()));
}

} // namespace

QRect tabStripGeometry(int windowWidth, int windowHeight)
{
    const int top = Frame1Geometry.top() + Frame1Geometry.height();
    return {0, top, clampedAbs(static_cast<long long>(windowWidth) + 100),
            clampedAbs(static_cast<long long>(windowHeight) - 1000)};
}

QPoint tabButtonPosition(QPoint tabStripTopLeft, int index)
{
    return tabStripTopLeft + QPoint(50 + 1000 * index, 40);
}

QStringList sizeGroup(const WindowGeometry &geometry)
{
    return {QStringLiteral("Left=") + platform::formatNumber(geometry.left),
            QStringLiteral("Top=") + platform::formatNumber(geometry.top),
            QStringLiteral("Width=") + platform::formatNumber(geometry.width),
            QStringLiteral("Height=") + platform::formatNumber(geometry.height),
            QStringLiteral("Size")};
}

void recordSize(workspace::OperationLog &log, const WindowGeometry &geometry)
{
    const QStringList group = sizeGroup(geometry);
    if (log.count() >= group.size() && log.last().startsWith(u"Size"))
        log.overwriteLast(group);
    else
        log.append(group);
}

} // namespace weftara::app
