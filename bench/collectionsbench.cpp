// Times filling the base collection's thumbnail sheet (100-pixel cells, five
// columns) from a folder of 100 JPEG pictures of 4000 x 3000 pixels, against
// decoding each picture at full size and scaling it down.
//
//   weftara_collections_bench [repetitions] [grain]
//
// The pictures are generated once into a cache folder under the build folder,
// one folder per grain (default 8; 2 gives smoother pictures of about 1 MB).

#include "collections/collectionsheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

namespace {

using namespace weftara::collections;
using Clock = std::chrono::steady_clock;

constexpr int PictureCount = 100;
constexpr QSize PictureSize(4000, 3000);
constexpr QSize SheetSize(900, 650);

QString pictureName(int i)
{
    return QStringLiteral("bench_%1.jpg").arg(i, 3, 10, QChar(u'0'));
}

// A photo-like picture: a sky gradient, soft shapes and a fine grain of
// +-`grain` levels. Grain 8 makes JPEG files of about 2.9 MB, as large as a
// phone camera's 12-megapixel pictures. The time a scaled decode saves
// depends on this: the compressed data must be decoded whole at any scale.
QImage makePicture(int index, int grain)
{
    QImage image(PictureSize, QImage::Format_RGB32);
    const int hue = (index * 37) % 360;
    {
        QPainter p(&image);
        QLinearGradient sky(0, 0, 0, PictureSize.height());
        sky.setColorAt(0, QColor::fromHsv(hue, 120, 240));
        sky.setColorAt(1, QColor::fromHsv((hue + 90) % 360, 200, 90));
        p.fillRect(image.rect(), sky);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        std::uint32_t state = 12345u + static_cast<std::uint32_t>(index);
        auto next = [&state] {
            state = state * 1664525u + 1013904223u;
            return state >> 8;
        };
        for (int s = 0; s < 60; ++s) {
            QColor c = QColor::fromHsv(static_cast<int>(next() % 360), 150, 200);
            c.setAlpha(140);
            p.setBrush(c);
            const int r = 50 + static_cast<int>(next() % 600);
            p.drawEllipse(QPoint(static_cast<int>(next() % 4000), static_cast<int>(next() % 3000)), r, r);
        }
    }
    std::uint32_t state = 777u + static_cast<std::uint32_t>(index);
    const auto levels = static_cast<std::uint32_t>(2 * grain + 1);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1103515245u + 12345u;
            const int n = static_cast<int>((state >> 16) % levels) - grain;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                           std::clamp(qBlue(p) + n, 0, 255));
        }
    }
    return image;
}

// Runs body(i) for i in [0, count) on `threads` threads.
void parallelFor(int count, unsigned threads, const std::function<void(int)> &body)
{
    std::atomic<int> next{0};
    auto work = [&] {
        for (int i = next.fetch_add(1); i < count; i = next.fetch_add(1))
            body(i);
    };
    std::vector<std::jthread> pool;
    for (unsigned t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
}

bool ensurePictures(const QString &folder, int grain)
{
    if (!QDir().mkpath(folder))
        return false;
    std::vector<int> missing;
    for (int i = 0; i < PictureCount; ++i)
        if (!QFileInfo::exists(QDir(folder).filePath(pictureName(i))))
            missing.push_back(i);
    if (missing.empty())
        return true;
    std::printf("Generating %zu pictures of %dx%d in %s ...\n", missing.size(), PictureSize.width(),
                PictureSize.height(), qPrintable(folder));
    std::fflush(stdout);
    std::atomic<bool> ok{true};
    parallelFor(static_cast<int>(missing.size()), std::max(1u, std::thread::hardware_concurrency()),
                [&](int k) {
                    const int i = missing[static_cast<std::size_t>(k)];
                    const QString path = QDir(folder).filePath(pictureName(i));
                    // Written under a temporary name so an interrupted run leaves no half file.
                    if (!makePicture(i, grain).save(path + QStringLiteral(".part"), "jpg", 90)
                        || !QFile::rename(path + QStringLiteral(".part"), path))
                        ok = false;
                });
    return ok;
}

// The straightforward way: decode every picture whole, then scale it into its cell.
QImage fullDecodeSheet(const QStringList &paths, unsigned threads)
{
    std::vector<QImage> cells(static_cast<std::size_t>(paths.size()));
    parallelFor(static_cast<int>(paths.size()), threads, [&](int i) {
        QImageReader reader(paths[i]);
        const QImage whole = reader.read();
        cells[static_cast<std::size_t>(i)] =
            whole.scaled(BaseGrid.cell, BaseGrid.cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    });
    QImage sheet(SheetSize, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (std::size_t i = 0; i < cells.size(); ++i)
        painter.drawImage(thumbnailPosition(static_cast<int>(i), BaseGrid), cells[i]);
    return sheet;
}

// Processor time of all the process's threads, which other programs on the
// machine do not inflate the way they do wall-clock time.
double processorSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct Timing
{
    double best = 0;
    double median = 0;
    double processor = 0; // median processor time
};

Timing measure(int repetitions, const std::function<void()> &run)
{
    std::vector<double> seconds;
    std::vector<double> processor;
    for (int r = 0; r < repetitions; ++r) {
        const auto start = Clock::now();
        const double startProcessor = processorSeconds();
        run();
        seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        processor.push_back(processorSeconds() - startProcessor);
    }
    std::sort(seconds.begin(), seconds.end());
    std::sort(processor.begin(), processor.end());
    return {seconds.front(), seconds[seconds.size() / 2], processor[processor.size() / 2]};
}

void report(const char *what, const Timing &t, const Timing &reference)
{
    std::printf("%-44s %8.3f s %8.3f s %8.3f s %8.1fx\n", what, t.best, t.median, t.processor,
                reference.median / t.median);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int grain = argc > 2 ? std::clamp(std::atoi(argv[2]), 0, 64) : 8;
    const QString folder =
        QStringLiteral(WEFTARA_BENCH_CACHE "/collections-4000x3000-grain%1").arg(grain);
    if (!ensurePictures(folder, grain)) {
        std::fprintf(stderr, "cannot write the pictures into %s\n", qPrintable(folder));
        return 1;
    }
    const QStringList paths = *collectionFiles(folder);
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());

    // One untimed pass so every run reads the files from the page cache.
    if (fillCollectionSheet(folder, SheetSize, BaseGrid).status != FillStatus::Complete) {
        std::fprintf(stderr, "the fill stopped early\n");
        return 1;
    }

    const Timing fullOne = measure(repetitions, [&] { fullDecodeSheet(paths, 1); });
    const Timing fullAll = measure(repetitions, [&] { fullDecodeSheet(paths, cores); });
    const Timing fillOne = measure(repetitions, [&] { fillCollectionSheet(folder, SheetSize, BaseGrid, Qt::white, 1); });
    const Timing fillAll = measure(repetitions, [&] { fillCollectionSheet(folder, SheetSize, BaseGrid); });

    qint64 bytes = 0;
    for (const QString &path : paths)
        bytes += QFileInfo(path).size();
    std::printf("\n%d JPEG pictures of %dx%d (grain %d, %.1f MB each), cell %d, %d columns, %u cores, "
                "%d repetitions\n",
                PictureCount, PictureSize.width(), PictureSize.height(), grain,
                static_cast<double>(bytes) / PictureCount / 1e6, BaseGrid.cell, BaseGrid.columns, cores,
                repetitions);
    std::printf("%-44s %10s %10s %10s %9s\n", "", "best", "median", "processor", "speed-up");
    report("full decode + scale, 1 thread", fullOne, fullOne);
    report("full decode + scale, all cores", fullAll, fullOne);
    report("collection fill (scaled decode), 1 thread", fillOne, fullOne);
    report("collection fill (scaled decode), all cores", fillAll, fullOne);
    std::printf("speed-up: wall-clock medians against the full decode on 1 thread\n");
    std::printf("fill on all cores against full decode on all cores: %.1fx\n", fullAll.median / fillAll.median);
    std::printf("processor time, fill against full decode: %.1fx\n", fullOne.processor / fillOne.processor);
    return 0;
}
