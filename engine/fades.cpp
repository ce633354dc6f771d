#include "engine/fades.h"

#include "engine/channelshift.h"
#include "engine/rounding.h"
#include "engine/surface.h"

#include <algorithm>
#include <vector>

namespace weftara::engine {

namespace {

// Division first, then the product. With a single row or column the division
// would be by zero (and 0 × infinity a NaN), so such a picture fades by 0.
double fadeStep(int extent) noexcept
{
    return extent > 1 ? (255.0 / double(extent - 1)) * 0.2 : 0.0;
}

quint8 fadeIncrement(int position, double step) noexcept
{
    return quint8(std::min(roundHalfEven(double(position) * step), 255.0));
}

enum class Edge { Right, Left };

bool fadeAcross(QImage &image, Edge edge)
{
    if (!isReadable(image))
        return false;
    const int width = image.width();
    const double step = fadeStep(width);
    std::vector<quint32> add(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
        add[std::size_t(x)] = fadeIncrement(edge == Edge::Right ? x : width - 1 - x, step) * 0x010101u;
    return forEachRow(image, [&add](quint8 *row, std::size_t pixels, int) { brightenRow(row, add.data(), pixels); });
}

} // namespace

bool fadeTowardTop(QImage &image)
{
    const double step = fadeStep(image.height());
    return forEachRow(image, [step](quint8 *row, std::size_t pixels, int bufferRow) {
        const int add = fadeIncrement(bufferRow, step);
        shiftRow(row, pixels, ChannelShift{add, add, add});
    });
}

bool fadeTowardRight(QImage &image)
{
    return fadeAcross(image, Edge::Right);
}

bool fadeTowardLeft(QImage &image)
{
    return fadeAcross(image, Edge::Left);
}

} // namespace weftara::engine
