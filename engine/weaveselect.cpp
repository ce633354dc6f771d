#include "engine/weaveselect.h"

#include "engine/vectorclones.h"

#include <algorithm>
#include <cstdint>

namespace weftara::engine {

namespace {

using std::uint32_t;

WEFTARA_VECTOR_CLONES
void selectLight(const uint32_t *__restrict pattern, const uint32_t *__restrict base,
                 uint32_t *__restrict out, std::size_t count, uint32_t threshold)
{
    for (std::size_t i = 0; i < count; ++i) {
        const uint32_t px = base[i];
        const bool light = (px & 0xFFu) >= threshold && ((px >> 8) & 0xFFu) >= threshold
            && ((px >> 16) & 0xFFu) >= threshold;
        // A bit select rather than ?:, so that the pattern is read with a plain load.
        const uint32_t take = 0u - uint32_t(light);
        out[i] = (pattern[i] & take) | (px & ~take);
    }
}

WEFTARA_VECTOR_CLONES
void selectDark(const uint32_t *__restrict pattern, const uint32_t *__restrict base,
                uint32_t *__restrict out, std::size_t count, uint32_t threshold)
{
    for (std::size_t i = 0; i < count; ++i) {
        const uint32_t px = base[i];
        const bool dark = (px & 0xFFu) <= threshold && ((px >> 8) & 0xFFu) <= threshold
            && ((px >> 16) & 0xFFu) <= threshold;
        // A bit select rather than ?:, so that the pattern is read with a plain load.
        const uint32_t take = 0u - uint32_t(dark);
        out[i] = (pattern[i] & take) | (px & ~take);
    }
}

} // namespace

void selectPixels(const quint32 *pattern, const quint32 *base, quint32 *out, std::size_t count,
                  WeavePart part, qint16 threshold)
{
    if (part == WeavePart::Light) {
        // A threshold of 0 or less makes every pixel light, one above 255 none.
        const int t = std::clamp(int(threshold), 0, 256);
        selectLight(pattern, base, out, count, uint32_t(t));
        return;
    }
    // Below 0 no pixel is dark; 255 or more makes every pixel dark.
    if (threshold < 0) {
        std::copy(base, base + count, out);
        return;
    }
    selectDark(pattern, base, out, count, uint32_t(std::min(int(threshold), 255)));
}

} // namespace weftara::engine
