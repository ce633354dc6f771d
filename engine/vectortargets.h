#pragma once

// The AVX2 and AVX-512 variants of the kernels are compiled beside the
// portable code with these target attributes; vectorPath() picks one at run
// time, so the program still starts on any x86-64 processor. Defining
// WEFTARA_PORTABLE_ONLY leaves them out, as other processors do.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && !defined(WEFTARA_PORTABLE_ONLY)
#include <immintrin.h>
#define WEFTARA_X86_VECTORS 1
#define WEFTARA_AVX2 __attribute__((target("avx2,bmi,popcnt")))
#define WEFTARA_AVX512 __attribute__((target("avx2,bmi,popcnt,avx512f,avx512bw,avx512vl,avx512vbmi")))

// Around the vector code: GCC 12's own AVX-512 headers set off its
// uninitialised-value warnings where their _mm512_undefined_* is inlined, and
// vectors passed between functions of one target need no ABI warning.
#if defined(__clang__)
#define WEFTARA_VECTOR_CODE_BEGIN
#define WEFTARA_VECTOR_CODE_END
#else
#define WEFTARA_VECTOR_CODE_BEGIN                                \
    _Pragma("GCC diagnostic push")                               \
    _Pragma("GCC diagnostic ignored \"-Wuninitialized\"")        \
    _Pragma("GCC diagnostic ignored \"-Wmaybe-uninitialized\"")  \
    _Pragma("GCC diagnostic ignored \"-Wpsabi\"")
#define WEFTARA_VECTOR_CODE_END _Pragma("GCC diagnostic pop")
#endif
#endif
