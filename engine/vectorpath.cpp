#include "engine/vectorpath.h"

#include "engine/vectortargets.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace weftara::engine {

namespace {

VectorPath requestedPath() noexcept
{
    const char *asked = std::getenv("WEFTARA_VECTOR_PATH");
    if (asked == nullptr)
        return VectorPath::Avx512;
    if (std::strcmp(asked, "portable") == 0)
        return VectorPath::Portable;
    if (std::strcmp(asked, "avx2") == 0)
        return VectorPath::Avx2;
    return VectorPath::Avx512;
}

} // namespace

VectorPath widestVectorPath() noexcept
{
#ifdef WEFTARA_X86_VECTORS
    __builtin_cpu_init();
    // Every processor with AVX2 so far also has BMI1 and POPCNT, which the
    // AVX2 loops use too; asking costs nothing.
    const bool avx2 =
        __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") && __builtin_cpu_supports("popcnt");
    if (avx2 && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw")
        && __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512vbmi"))
        return VectorPath::Avx512;
    if (avx2)
        return VectorPath::Avx2;
#endif
    return VectorPath::Portable;
}

VectorPath vectorPath() noexcept
{
    static const VectorPath path = std::min(widestVectorPath(), requestedPath());
    return path;
}

const char *vectorPathName(VectorPath path) noexcept
{
    switch (path) {
    case VectorPath::Avx512: return "AVX-512";
    case VectorPath::Avx2: return "AVX2";
    default: return "portable";
    }
}

} // namespace weftara::engine
