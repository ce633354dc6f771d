// Times filling the base collection's thumbnail sheet (100-pixel cells, five
// columns) against decoding each picture at full size and scaling it down, for
// two folders: 100 JPEG pictures of 4000 x 3000 pixels, and 50 pictures of
// mixed formats as people have them (portrait phone JPEGs that EXIF turns
// upright, Display P3 HEICs with a stored thumbnail, WebP, PNG and TIFF).
//
//   weftara_collections_bench [repetitions] [grain]
//
// The pictures are generated once into a cache folder under the build folder,
// one folder per grain (default 8; 2 gives smoother pictures of about 1 MB).

#include "collections/collectionsheet.h"
#include "collections/thumbnailcache.h"
#include "heif/heifwriter.h"
#include "support/exiforientation.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <thread>
#include <vector>

namespace {

using namespace weftara::collections;
using Clock = std::chrono::steady_clock;

constexpr int PictureCount = 100;
constexpr QSize PictureSize(4000, 3000);
constexpr QSize SheetSize(900, 650);

// The mixed folder, one kind after the other.
struct Kind
{
    const char *suffix;
    QSize size; // upright
    const char *what;
};
constexpr Kind MixedKinds[] = {
    {"jpg", {3000, 4000}, "portrait phone JPEG, EXIF-turned"},
    {"heic", {4032, 3024}, "phone HEIC, Display P3, 320 thumbnail"},
    {"webp", {2000, 1500}, "WebP"},
    {"png", {1920, 1080}, "PNG"},
    {"tif", {2000, 1500}, "TIFF (LZW)"},
};
constexpr int KindCount = int(std::size(MixedKinds));
constexpr int MixedCount = 10 * KindCount;

QString pictureName(int i)
{
    return QStringLiteral("bench_%1.jpg").arg(i, 3, 10, QChar(u'0'));
}

QString mixedName(int i)
{
    return QStringLiteral("mixed_%1.%2").arg(i, 3, 10, QChar(u'0')).arg(QLatin1String(MixedKinds[i % KindCount].suffix));
}

// A photo-like picture: a sky gradient, soft shapes and a fine grain of
// +-`grain` levels. Grain 8 makes JPEG files of about 2.9 MB, as large as a
// phone camera's 12-megapixel pictures. The time a scaled decode saves
// depends on this: the compressed data must be decoded whole at any scale.
QImage makePicture(int index, int grain, QSize size = PictureSize)
{
    QImage image(size, QImage::Format_RGB32);
    const int hue = (index * 37) % 360;
    {
        QPainter p(&image);
        QLinearGradient sky(0, 0, 0, size.height());
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
            p.drawEllipse(QPoint(static_cast<int>(next() % unsigned(size.width())),
                                 static_cast<int>(next() % unsigned(size.height()))),
                          r, r);
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

bool writeMixedPicture(const QString &path, int index, int grain)
{
    const Kind &kind = MixedKinds[index % KindCount];
    QImage picture = makePicture(index, grain, kind.size);
    const QByteArray suffix(kind.suffix);
    if (suffix == "jpg") {
        // Stored landscape, as a phone writes a portrait photo.
        QFile file(path);
        const QByteArray jpeg = weftara::testing::jpegWithOrientation(
            weftara::testing::storedForOrientation(picture, 6), 6);
        return file.open(QIODevice::WriteOnly) && file.write(jpeg) == jpeg.size();
    }
    if (suffix == "heic") {
        picture.setColorSpace(QColorSpace::DisplayP3);
        return weftara::heif::writeHeif(path, picture, {.quality = 80, .thumbnailSize = 320});
    }
    QImageWriter writer(path, suffix);
    writer.setQuality(90);
    writer.setCompression(1); // LZW for TIFF
    return writer.write(picture);
}

// Makes the missing pictures `name(i)` for i < count with `write`.
bool ensurePictures(const QString &folder, int count, const std::function<QString(int)> &name,
                    const std::function<bool(const QString &, int)> &write)
{
    if (!QDir().mkpath(folder))
        return false;
    std::vector<int> missing;
    for (int i = 0; i < count; ++i)
        if (!QFileInfo::exists(QDir(folder).filePath(name(i))))
            missing.push_back(i);
    if (missing.empty())
        return true;
    std::printf("Generating %zu pictures in %s ...\n", missing.size(), qPrintable(folder));
    std::fflush(stdout);
    std::atomic<bool> ok{true};
    parallelFor(static_cast<int>(missing.size()), std::max(1u, std::thread::hardware_concurrency()),
                [&](int k) {
                    const int i = missing[static_cast<std::size_t>(k)];
                    const QString path = QDir(folder).filePath(name(i));
                    // Written under a temporary name so an interrupted run leaves no half file.
                    const QString part = path + QStringLiteral(".part");
                    if (!write(part, i) || !QFile::rename(part, path))
                        ok = false;
                });
    return ok;
}

// The straightforward way: decode every picture whole, then scale it into its cell.
QImage fullDecodeSheet(const QStringList &paths, unsigned threads)
{
    std::vector<QImage> cells(static_cast<std::size_t>(paths.size()));
    parallelFor(static_cast<int>(paths.size()), threads, [&](int i) {
        cells[static_cast<std::size_t>(i)] = readPictureFile(paths[i]).image.scaled(
            BaseGrid.cell, BaseGrid.cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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


// Prints the fill against the full decode for the pictures of `folder`.
bool compare(const QString &folder, const QString &title, int repetitions)
{
    const QStringList paths = *collectionFiles(folder);
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());

    // One untimed pass so every run reads the files from the page cache.
    if (fillCollectionSheet(folder, SheetSize, BaseGrid).status != FillStatus::Complete) {
        std::fprintf(stderr, "the fill of %s stopped early\n", qPrintable(folder));
        return false;
    }

    const Timing fullOne = measure(repetitions, [&] { fullDecodeSheet(paths, 1); });
    const Timing fullAll = measure(repetitions, [&] { fullDecodeSheet(paths, cores); });
    FillOptions oneThread;
    oneThread.threads = 1;
    const Timing fillOne = measure(repetitions, [&] { fillCollectionSheet(folder, SheetSize, BaseGrid, Qt::white, oneThread); });
    const Timing fillAll = measure(repetitions, [&] { fillCollectionSheet(folder, SheetSize, BaseGrid); });

    // With the desktop's thumbnail cache: the first fill reads the pictures
    // and writes the entries, every later one reads the entries.
    const QTemporaryDir cacheRoot;
    const ThumbnailCache cache(cacheRoot.filePath(QStringLiteral("thumbnails/normal")));
    FillOptions cached;
    cached.cache = &cache;
    const Timing cacheFirst = measure(1, [&] { fillCollectionSheet(folder, SheetSize, BaseGrid, Qt::white, cached); });
    const Timing cacheHit = measure(std::max(repetitions, 5), [&] {
        fillCollectionSheet(folder, SheetSize, BaseGrid, Qt::white, cached);
    });

    qint64 bytes = 0;
    for (const QString &path : paths)
        bytes += QFileInfo(path).size();
    std::printf("\n%lld %s (%.1f MB each), cell %d, %d columns, %u cores, %d repetitions\n",
                static_cast<long long>(paths.size()), qPrintable(title),
                static_cast<double>(bytes) / static_cast<double>(paths.size()) / 1e6, BaseGrid.cell,
                BaseGrid.columns, cores, repetitions);
    std::printf("%-44s %10s %10s %10s %9s\n", "", "best", "median", "processor", "speed-up");
    report("full decode + scale, 1 thread", fullOne, fullOne);
    report("full decode + scale, all cores", fullAll, fullOne);
    report("collection fill (scaled decode), 1 thread", fillOne, fullOne);
    report("collection fill (scaled decode), all cores", fillAll, fullOne);
    report("first fill writing the thumbnail cache", cacheFirst, fullOne);
    report("second fill, from the thumbnail cache", cacheHit, fullOne);
    std::printf("speed-up: wall-clock medians against the full decode on 1 thread\n");
    std::printf("fill on all cores against full decode on all cores: %.1fx\n", fullAll.median / fillAll.median);
    std::printf("processor time, fill against full decode: %.1fx\n", fullOne.processor / fillOne.processor);
    return true;
}

// Per kind of the mixed folder: one thumbnail read against one full read.
void compareKinds(const QString &folder, int repetitions)
{
    std::printf("\nper picture, 1 thread, medians%*s %10s %10s\n", 14, "", "thumbnail", "full");
    for (int k = 0; k < KindCount; ++k) {
        QStringList paths;
        for (int i = k; i < MixedCount; i += KindCount)
            paths << QDir(folder).filePath(mixedName(i));
        const auto perPicture = [&](const std::function<void(const QString &)> &read) {
            return measure(repetitions, [&] {
                       for (const QString &path : paths)
                           read(path);
                   }).median
                / double(paths.size());
        };
        const double thumbnail =
            perPicture([](const QString &path) { readPictureScaled(path, {BaseGrid.cell, BaseGrid.cell}); });
        const double full = perPicture([](const QString &path) { readPictureFile(path); });
        const Kind &kind = MixedKinds[k];
        std::printf("%-38s %4dx%-4d %8.1f ms %8.1f ms\n", kind.what, kind.size.width(), kind.size.height(),
                    thumbnail * 1e3, full * 1e3);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int grain = argc > 2 ? std::clamp(std::atoi(argv[2]), 0, 64) : 8;
    const QString jpegs = QStringLiteral(WEFTARA_BENCH_CACHE "/collections-4000x3000-grain%1").arg(grain);
    const QString mixed = QStringLiteral(WEFTARA_BENCH_CACHE "/collections-mixed-grain%1").arg(grain);
    if (!ensurePictures(jpegs, PictureCount, pictureName,
                        [grain](const QString &path, int i) { return makePicture(i, grain).save(path, "jpg", 90); })
        || !ensurePictures(mixed, MixedCount, mixedName, [grain](const QString &path, int i) {
               return writeMixedPicture(path, i, grain);
           })) {
        std::fprintf(stderr, "cannot write the pictures into %s\n", WEFTARA_BENCH_CACHE);
        return 1;
    }
    if (!compare(jpegs, QStringLiteral("JPEG pictures of %1x%2 (grain %3)")
                            .arg(PictureSize.width()).arg(PictureSize.height()).arg(grain),
                 repetitions)
        || !compare(mixed, QStringLiteral("pictures of mixed formats (grain %1)").arg(grain), repetitions))
        return 1;
    compareKinds(mixed, repetitions);
    return 0;
}
