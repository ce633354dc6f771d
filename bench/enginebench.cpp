// Times the pixel engine on large random pictures against memory-speed
// ceilings and prints one table per picture size, with the processor and the
// vector path the kernels took.
//
//   weftara_bench [repetitions]
//
// Ceilings: memcpy of the picture for the one-picture filters, and a trivial
// read-two-write-one kernel (byte average of two pictures) for the weaves.
// The weave is also swept over every ratio from 1 to 100. Setting
// WEFTARA_VECTOR_PATH=avx2 or =portable times a narrower path.

#include "engine/blend.h"
#include "engine/fades.h"
#include "engine/filters.h"
#include "engine/vectorpath.h"

#include <QImage>
#include <QRandomGenerator>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace weftara::engine;

// Kernels and the weave ratio sweep are held to this multiple of their ceiling.
constexpr double kTarget = 1.15;

#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
__attribute__((noinline)) void averageBytes(const std::uint8_t *__restrict a, const std::uint8_t *__restrict b,
                                            std::uint8_t *__restrict out, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        out[i] = std::uint8_t((unsigned(a[i]) + b[i]) >> 1);
}

// The weave mix written straight from its formula, one double per byte.
__attribute__((noinline)) void naiveMix(const std::uint8_t *pattern, const std::uint8_t *base,
                                        std::uint8_t *out, std::size_t count, int ratio)
{
    const double r = ratio / 100.0;
    for (std::size_t i = 0; i < count; ++i)
        out[i] = std::uint8_t(std::floor(((1 - r) * pattern[i]) + (base[i] * r)));
}

// Takes the bytes out of every cache level (writing back what changed), so
// that a timed run reads them from memory however large the caches are.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("clflushopt"))) void flushLines(const quint8 *bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count; i += 64)
        _mm_clflushopt(const_cast<quint8 *>(bytes + i));
}

void evict(const quint8 *bytes, std::size_t count)
{
    // clflush orders every line and takes a quarter of a second for 100 MB.
    static const bool unordered = __builtin_cpu_supports("clflushopt");
    if (unordered) {
        flushLines(bytes, count);
    } else {
        for (std::size_t i = 0; i < count; i += 64)
            _mm_clflush(bytes + i);
    }
    _mm_mfence();
}
#else
void evict(const quint8 *, std::size_t)
{
    static std::vector<quint8> scratch(512u << 20);
    static int sweep = 0;
    std::memset(scratch.data(), ++sweep, scratch.size());
}
#endif

std::string processorModel()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.rfind("model name", 0) == 0) {
            const auto colon = line.find(':');
            if (colon != std::string::npos)
                return line.substr(line.find_first_not_of(' ', colon + 1));
        }
    }
    return "unknown processor";
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

// A timed piece of work; reset runs untimed before each run.
struct Timed
{
    std::string name;
    std::function<void()> reset;
    std::function<void()> work;
    int rounds; // how many of the rounds run it
    double bestMs = 1e300;
};

// Processor time of the calling thread in milliseconds. On a machine shared
// with other work it leaves out the time the thread waited for a core, which
// wall-clock time would count; the kernels run on this one thread.
double threadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) * 1e-6;
}

// Runs every piece once per round, round after round, and keeps each one's
// best time: other programs on a shared machine then slow down all pieces
// alike instead of whichever happened to run at the time.
void timeInRounds(std::vector<Timed> &pieces, int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        for (Timed &piece : pieces) {
            if (round >= piece.rounds)
                continue;
            piece.reset();
            const double start = threadMs();
            piece.work();
            piece.bestMs = std::min(piece.bestMs, threadMs() - start);
        }
    }
}

struct Result
{
    std::string name;
    double ms;
    std::string against;
    double againstMs;
    bool targeted;
};

// Returns whether every targeted kernel kept within kTarget of its ceiling.
bool runSize(int width, int height, int repetitions)
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
    const auto none = [&] {
        for (const quint8 *picture : {b, p, static_cast<const quint8 *>(out), static_cast<const quint8 *>(w)})
            evict(picture, bytes);
    };
    const auto restore = [&] {
        std::memcpy(w, b, bytes);
        none();
    };

    std::vector<Timed> pieces = {
        {"memcpy", none, [&] { std::memcpy(out, b, bytes); }, repetitions},
        {"average (read 2, write 1)", none, [&] { averageBytes(p, b, out, bytes); }, repetitions},
        {"light weave T=128", none, [&] { weaveIntoLight(base, pattern, dst, 37, 128); }, repetitions},
        {"dark weave T=128", none, [&] { weaveIntoDark(base, pattern, dst, 37, 128); }, repetitions},
        {"naive double mix, 37", none, [&] { naiveMix(p, b, out, bytes, 37); }, std::max(1, repetitions / 3)},
        {"brightness +20", restore, [&] { shiftBrightness(work, 20); }, repetitions},
        {"brightness -20", restore, [&] { shiftBrightness(work, -20); }, repetitions},
        {"red +20", restore, [&] { stepChannel(work, ChannelStep::RedUp, 20); }, repetitions},
        {"grey", restore, [&] { toGray(work); }, repetitions},
        {"solarise", restore, [&] { solarize(work); }, repetitions},
        {"emphasis", restore, [&] { emphasize(work); }, repetitions},
        {"top fade", restore, [&] { fadeTowardTop(work); }, repetitions},
        {"right fade", restore, [&] { fadeTowardRight(work); }, repetitions},
        {"left fade", restore, [&] { fadeTowardLeft(work); }, repetitions},
    };
    constexpr std::size_t firstRatio = 14;
    for (int ratio = 1; ratio <= 100; ++ratio) {
        pieces.push_back({"weave, ratio " + std::to_string(ratio), none,
                          [&, ratio] { blendPictures(base, pattern, dst, qint16(ratio)); }, repetitions});
    }
    timeInRounds(pieces, repetitions);

    const auto ms = [&pieces](const std::string &name) {
        return std::find_if(pieces.begin(), pieces.end(), [&name](const Timed &t) { return t.name == name; })->bestMs;
    };
    std::vector<double> ratios;
    for (std::size_t k = firstRatio; k < pieces.size(); ++k)
        ratios.push_back(pieces[k].bestMs);
    const auto worst = std::max_element(ratios.begin(), ratios.end());
    std::vector<double> sorted = ratios;
    std::sort(sorted.begin(), sorted.end());
    const double median = (sorted[49] + sorted[50]) / 2;
    const std::string worstName = "weave, worst: ratio " + std::to_string(1 + (worst - ratios.begin()));

    const double copy = ms("memcpy");
    const double average = ms("average (read 2, write 1)");
    std::vector<Result> results = {
        {"memcpy", copy, "memcpy", copy, false},
        {"average (read 2, write 1)", average, "average", average, false},
    };
    for (const char *name : {"weave, ratio 37", "weave, ratio 30", "weave, ratio 1"})
        results.push_back({name, ms(name), "average", average, true});
    results.push_back({worstName, *worst, "average", average, true});
    results.push_back({"weave, median of 1..100", median, "average", average, false});
    for (std::size_t k = 2; k < firstRatio; ++k) {
        const bool weave = k < 5;
        results.push_back({pieces[k].name, pieces[k].bestMs, weave ? "average" : "memcpy", weave ? average : copy,
                           pieces[k].name.rfind("naive", 0) != 0});
    }

    const double megapixels = double(width) * height / 1e6;
    std::printf("\n%d x %d (%.1f MP, %.0f MB a picture), best processor time of %d rounds\n", width, height, megapixels,
                double(bytes) / 1e6, repetitions);
    std::printf("%-28s %9s %9s  %-9s %7s  %-8s %s\n", "kernel", "ms", "ms/MP", "ceiling", "ratio", "path",
                "target");
    const char *path = vectorPathName(vectorPath());
    bool met = true;
    for (const auto &r : results) {
        const double ratio = r.ms / r.againstMs;
        const char *verdict = !r.targeted ? "" : (ratio <= kTarget ? "ok" : "OVER");
        met = met && (!r.targeted || ratio <= kTarget);
        std::printf("%-28s %9.2f %9.3f  %-9s %7.2f  %-8s %s\n", r.name.c_str(), r.ms, r.ms / megapixels,
                    r.against.c_str(), ratio, r.targeted ? path : "", verdict);
    }
    return met;
}

} // namespace

int main(int argc, char **argv)
{
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    std::printf("processor: %s, %u logical cores\n", processorModel().c_str(), std::thread::hardware_concurrency());
    std::printf("vector path: %s (widest this processor runs: %s)\n", vectorPathName(vectorPath()),
                vectorPathName(widestVectorPath()));
    std::printf("target: every kernel marked ok or OVER within %.2f x its ceiling\n", kTarget);
    bool met = runSize(6000, 4000, repetitions);
    met = runSize(4000, 3000, repetitions) && met;
    std::printf("\n%s\n", met ? "every target met" : "some targets missed (OVER)");
    return 0;
}
