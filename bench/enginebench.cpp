// Times the pixel engine on large random pictures against memory-speed
// ceilings and prints one table per picture size.
//
//   weftara_bench [repetitions]
//
// Ceilings: memcpy of the picture for the one-picture filters, and a trivial
// read-two-write-one kernel (byte average of two pictures) for the weaves.

#include "engine/blend.h"
#include "engine/fades.h"
#include "engine/filters.h"
#include "engine/vectorclones.h"

#include <QImage>
#include <QRandomGenerator>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using weftara::engine::shiftBrightness;
using weftara::engine::toGray;
using weftara::engine::blendPictures;
using weftara::engine::weaveIntoDark;
using weftara::engine::weaveIntoLight;
using weftara::engine::fadeTowardTop;
using weftara::engine::emphasize;
using weftara::engine::fadeTowardRight;
using weftara::engine::solarize;

WEFTARA_VECTOR_CLONES __attribute__((noinline))
void averageBytes(const std::uint8_t *__restrict a, const std::uint8_t *__restrict b,
                  std::uint8_t *__restrict out, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        out[i] = std::uint8_t((unsigned(a[i]) + b[i]) >> 1);
}

// The weave mix written straight from its formula, one double per byte.
__attribute__((noinline))
void naiveMix(const std::uint8_t *pattern, const std::uint8_t *base, std::uint8_t *out,
              std::size_t count, int ratio)
{
    const double r = ratio / 100.0;
    for (std::size_t i = 0; i < count; ++i)
        out[i] = std::uint8_t(std::floor(((1 - r) * pattern[i]) + (base[i] * r)));
}

QImage randomPicture(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    auto *words = reinterpret_cast<quint32 *>(image.bits());
    const auto count = std::size_t(image.sizeInBytes() / 4);
    for (std::size_t i = 0; i < count; ++i)
        words[i] = random.generate();
    return image;
}

// Best of `repetitions` runs of work, in milliseconds; reset runs untimed
// before each.
double bestMs(int repetitions, const std::function<void()> &reset, const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < repetitions; ++i) {
        reset();
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto stop = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(stop - start).count());
    }
    return best;
}

struct Result
{
    std::string name;
    double ms;
    std::string against;
    double againstMs;
};

void runSize(int width, int height, int repetitions)
{
    const QImage base = randomPicture(width, height, 1);
    const QImage pattern = randomPicture(width, height, 2);
    QImage dst = randomPicture(width, height, 3);
    QImage work = randomPicture(width, height, 4);
    const auto bytes = std::size_t(base.sizeInBytes());
    const quint8 *b = base.constBits();
    const quint8 *p = pattern.constBits();
    quint8 *out = dst.bits();
    quint8 *w = work.bits();
    // Every run starts with the pictures out of the caches, as after loading.
    std::vector<quint8> scratch(64u << 20);
    int sweep = 0;
    const auto none = [&] { std::memset(scratch.data(), ++sweep, scratch.size()); };
    const auto restore = [&] {
        std::memcpy(w, b, bytes);
        none();
    };

    const double copy = bestMs(repetitions, none, [&] { std::memcpy(out, b, bytes); });
    const double average = bestMs(repetitions, none, [&] { averageBytes(p, b, out, bytes); });
    const double mix37 = bestMs(repetitions, none, [&] { blendPictures(base, pattern, dst, 37); });
    const double mix30 = bestMs(repetitions, none, [&] { blendPictures(base, pattern, dst, 30); });
    const double mix1 = bestMs(repetitions, none, [&] { blendPictures(base, pattern, dst, 1); });
    const double light = bestMs(repetitions, none, [&] { weaveIntoLight(base, pattern, dst, 37, 128); });
    const double dark = bestMs(repetitions, none, [&] { weaveIntoDark(base, pattern, dst, 37, 128); });
    const double naive = bestMs(std::max(1, repetitions / 3), none, [&] { naiveMix(p, b, out, bytes, 37); });

    std::vector<Result> results = {
        {"memcpy", copy, "memcpy", copy},
        {"average (read 2, write 1)", average, "average", average},
        {"blendPictures ratio 37", mix37, "average", average},
        {"blendPictures ratio 30", mix30, "average", average},
        {"blendPictures ratio 1", mix1, "average", average},
        {"weaveIntoLight T=128", light, "average", average},
        {"weaveIntoDark T=128", dark, "average", average},
        {"naive double mix, 37", naive, "average", average},
        {"naive / blendPictures 37", naive, "blendPictures 37", mix37},
    };
    const std::vector<std::pair<const char *, std::function<void()>>> filters = {
        {"shiftBrightness +20", [&] { shiftBrightness(work, 20); }},
        {"shiftBrightness -20", [&] { shiftBrightness(work, -20); }},
        {"toGray", [&] { toGray(work); }},
        {"solarize", [&] { solarize(work); }},
        {"emphasize", [&] { emphasize(work); }},
        {"fadeTowardTop", [&] { fadeTowardTop(work); }},
        {"fadeTowardRight", [&] { fadeTowardRight(work); }},
    };
    for (const auto &[name, run] : filters)
        results.push_back({name, bestMs(repetitions, restore, run), "memcpy", copy});

    const double megapixels = double(width) * height / 1e6;
    std::printf("\n%d x %d (%.1f MP, %.0f MB a picture), best of %d\n", width, height, megapixels,
                double(bytes) / 1e6, repetitions);
    std::printf("%-28s %9s %9s  %-14s %7s\n", "kernel", "ms", "ms/MP", "ceiling", "ratio");
    for (const auto &r : results) {
        std::printf("%-28s %9.2f %9.3f  %-14s %7.2f\n", r.name.c_str(), r.ms, r.ms / megapixels,
                    r.against.c_str(), r.ms / r.againstMs);
    }
}

} // namespace

int main(int argc, char **argv)
{
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    runSize(6000, 4000, repetitions);
    runSize(4000, 3000, repetitions);
    return 0;
}
