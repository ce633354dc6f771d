#pragma once

namespace weftara::engine {

// The instruction sets the pixel kernels are written for. Every path writes
// the same bytes; a wider one only writes them sooner.
enum class VectorPath {
    Portable = 0, // plain C++, whatever the compiler makes of it
    Avx2 = 1, // with BMI1 and POPCNT
    Avx512 = 2, // F, BW, VL and VBMI
};

// The widest path this processor runs.
VectorPath widestVectorPath() noexcept;

// The path the kernels take: the widest one, or a narrower one named by the
// environment variable WEFTARA_VECTOR_PATH ("portable", "avx2" or "avx512"),
// read once, so that the tests can run every path the processor offers.
VectorPath vectorPath() noexcept;

// "portable", "AVX2" or "AVX-512".
const char *vectorPathName(VectorPath path) noexcept;

} // namespace weftara::engine
