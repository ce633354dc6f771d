#include "engine/kerneltest.h"

#include "engine/packedbytes.h"
#include "engine/vectorpath.h"
#include "engine/weavemix.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace weftara::engine;

Q_DECLARE_METATYPE(weftara::engine::VectorPath)

void EngineKernelTest::packedByteArithmetic()
{
    // Every pair of byte values in every byte position, with the other bytes
    // at their extremes so that a carry or borrow leaking across bytes shows.
    for (int lane = 0; lane < 4; ++lane) {
        const int shift = 8 * lane;
        for (std::uint32_t fill : {0x00000000u, 0xFFFFFFFFu, 0x80808080u, 0x7F7F7F7Fu}) {
            const std::uint32_t others = fill & ~(0xFFu << shift);
            for (std::uint32_t a = 0; a < 256; ++a) {
                for (std::uint32_t b = 0; b < 256; ++b) {
                    const std::uint32_t x = others | (a << shift);
                    const std::uint32_t y = (b << shift);
                    const std::uint32_t sum = addSaturated(x, y);
                    const std::uint32_t difference = subtractSaturated(x, y);
                    const std::uint32_t wantSum = others | (std::min(a + b, 255u) << shift);
                    const std::uint32_t wantDifference = others | ((a > b ? a - b : 0u) << shift);
                    if (sum != wantSum || difference != wantDifference)
                        QFAIL(qPrintable(QStringLiteral("lane %1, %2 and %3").arg(lane).arg(a).arg(b)));
                }
            }
        }
    }
    QCOMPARE(highBitBytes(0x80017FFFu), 0xFF0000FFu);
}

void EngineKernelTest::weaveMixPathsAgree_data()
{
    QTest::addColumn<VectorPath>("path");
    for (VectorPath path : {VectorPath::Portable, VectorPath::Avx2, VectorPath::Avx512})
        if (path <= widestVectorPath())
            QTest::newRow(vectorPathName(path)) << path;
}

void EngineKernelTest::weaveMixPathsAgree()
{
    QFETCH(VectorPath, path);
    // Every (pattern, base) pair, at a length that leaves a ragged tail.
    std::vector<quint8> pattern(65536 + 13);
    std::vector<quint8> base(pattern.size());
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        pattern[k] = quint8(k);
        base[k] = quint8(k >> 8);
    }
    std::vector<quint8> out(pattern.size());
    std::size_t corrections = 0;
    for (int ratio = 0; ratio <= 100; ++ratio) {
        const WeaveMix mix(ratio, path);
        corrections += mix.correctionCount();
        mix.apply(pattern.data(), base.data(), out.data(), out.size());
        const double r = ratio / 100.0;
        for (std::size_t k = 0; k < out.size(); ++k) {
            const int want = int(std::floor(((1 - r) * pattern[k]) + (base[k] * r)));
            if (out[k] != want)
                QFAIL(qPrintable(QStringLiteral("ratio %1 at %2: got %3, want %4").arg(ratio).arg(k).arg(out[k]).arg(want)));
        }
    }
    // The double evaluation falls one below the exact quotient this often.
    QCOMPARE(corrections, std::size_t(10624));
}

void EngineKernelTest::weaveMixRepeatedPairs_data()
{
    weaveMixPathsAgree_data();
}

void EngineKernelTest::weaveMixRepeatedPairs()
{
    QFETCH(VectorPath, path);
    // A long run of one pair, as in a plain area of both pictures, makes every
    // byte one the kernels must correct; past 4096 bytes, so that the run
    // spans more than one of the blocks the kernels work in.
    std::vector<quint8> out(4096 + 77);
    for (int ratio = 1; ratio < 100; ++ratio) {
        const WeaveMix mix(ratio, path);
        const double r = ratio / 100.0;
        for (const auto &[p, b] : {std::pair{255, 255}, std::pair{119, 19}, std::pair{7, 7}, std::pair{208, 208}}) {
            const std::vector<quint8> pattern(out.size(), quint8(p));
            const std::vector<quint8> base(out.size(), quint8(b));
            mix.apply(pattern.data(), base.data(), out.data(), out.size());
            const auto want = quint8(std::floor(((1 - r) * p) + (b * r)));
            if (std::count(out.begin(), out.end(), want) != qsizetype(out.size()))
                QFAIL(qPrintable(QStringLiteral("ratio %1, pair (%2, %3)").arg(ratio).arg(p).arg(b)));
        }
    }
}

void EngineKernelTest::vectorPathFollowsTheRequest()
{
    // CTest runs this executable once per path; a path the processor lacks
    // falls back to the widest it has, so such a run repeats another.
    const QByteArray asked = qgetenv("WEFTARA_VECTOR_PATH");
    VectorPath expected = widestVectorPath();
    if (asked == "portable")
        expected = VectorPath::Portable;
    else if (asked == "avx2")
        expected = std::min(expected, VectorPath::Avx2);
    QCOMPARE(vectorPath(), expected);
    qInfo("pixel kernels on the %s path", vectorPathName(vectorPath()));
}
