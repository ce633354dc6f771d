#pragma once

// The hot pixel loops are compiled twice on x86-64, once for AVX2 and once
// for the baseline, and the loader picks the one the processor can run.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && !defined(WEFTARA_NO_CLONES)
#define WEFTARA_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define WEFTARA_VECTOR_CLONES
#endif
