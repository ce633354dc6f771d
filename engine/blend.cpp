#include "engine/blend.h"

#include "engine/surface.h"
#include "engine/weavemix.h"
#include "engine/weaveselect.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace weftara::engine {

namespace {

bool ratioInRange(qint16 ratio) noexcept
{
    return ratio >= 0 && ratio <= 100;
}

bool overlaps(const quint8 *a, std::size_t aBytes, const quint8 *b, std::size_t bBytes) noexcept
{
    const auto a0 = reinterpret_cast<std::uintptr_t>(a);
    const auto b0 = reinterpret_cast<std::uintptr_t>(b);
    return a0 < b0 + bBytes && b0 < a0 + aBytes;
}

// Runs kernel(pattern, base, out, bytes) over the bytes of the weave, in
// place on the images' memory instead of through separate byte buffers; the
// bytes that come out are the same. A source that shares memory with dst is
// copied first so the kernels never see overlapping pointers.
template <class Kernel>
bool weaveBytes(const QImage &base, const QImage &pattern, QImage &dst, Kernel &&kernel)
{
    if (!isReadable(base) || (!pattern.isNull() && !isReadable(pattern))
        || (!dst.isNull() && !isReadable(dst)))
        return false;

    const auto count = std::size_t(base.sizeInBytes());
    const std::size_t outBytes = dst.isNull() ? 0 : std::min(count, std::size_t(dst.sizeInBytes()));
    if (outBytes == 0)
        return true;

    // bits() first: it may detach dst, after which the source pointers are final.
    quint8 *out = dst.bits();
    const quint8 *b = base.constBits();
    const std::size_t patternBytes =
        pattern.isNull() ? 0 : std::min(outBytes, std::size_t(pattern.sizeInBytes()));
    const quint8 *p = patternBytes > 0 ? pattern.constBits() : nullptr;

    std::vector<quint8> baseCopy;
    std::vector<quint8> patternCopy;
    if (overlaps(out, outBytes, b, outBytes)) {
        baseCopy.assign(b, b + outBytes);
        b = baseCopy.data();
    }
    if (patternBytes > 0 && overlaps(out, outBytes, p, patternBytes)) {
        patternCopy.assign(p, p + patternBytes);
        p = patternCopy.data();
    }

    if (patternBytes > 0)
        kernel(p, b, out, patternBytes);

    // Past the pattern's own bytes the pattern reads as 0.
    alignas(64) const std::array<quint8, 4096> zeros{};
    for (std::size_t at = patternBytes; at < outBytes; at += zeros.size())
        kernel(zeros.data(), b + at, out + at, std::min(zeros.size(), outBytes - at));
    return true;
}

bool weaveIntoPart(const QImage &base, const QImage &pattern, QImage &dst, qint16 ratio,
                 WeavePart part, qint16 threshold)
{
    if (!ratioInRange(ratio))
        return false;
    // RGB32 images hold whole 4-byte pixels, so every byte count here is a
    // multiple of 4.
    return weaveBytes(base, pattern, dst,
                      [part, threshold](const quint8 *p, const quint8 *b, quint8 *out, std::size_t bytes) {
                          selectPixels(reinterpret_cast<const quint32 *>(p),
                                       reinterpret_cast<const quint32 *>(b),
                                       reinterpret_cast<quint32 *>(out), bytes / 4, part, threshold);
                      });
}

} // namespace

bool blendPictures(const QImage &base, const QImage &pattern, QImage &dst, qint16 ratio)
{
    if (!ratioInRange(ratio))
        return false;
    const WeaveMix mix(ratio);
    return weaveBytes(base, pattern, dst,
                      [&mix](const quint8 *p, const quint8 *b, quint8 *out, std::size_t bytes) {
                          mix.apply(p, b, out, bytes);
                      });
}

bool weaveIntoLight(const QImage &base, const QImage &pattern, QImage &dst, qint16 ratio,
                   qint16 threshold)
{
    return weaveIntoPart(base, pattern, dst, ratio, WeavePart::Light, threshold);
}

bool weaveIntoDark(const QImage &base, const QImage &pattern, QImage &dst, qint16 ratio,
                   qint16 threshold)
{
    return weaveIntoPart(base, pattern, dst, ratio, WeavePart::Dark, threshold);
}

} // namespace weftara::engine
