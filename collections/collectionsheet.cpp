#include "collections/collectionsheet.h"

#include "collections/thumbnailcache.h"
#include "platform/filenames.h"
#include "platform/programfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace weftara::collections {

QPoint thumbnailPosition(int index, SheetGrid grid)
{
    return {(index % grid.columns) * grid.cell, (index / grid.columns) * grid.cell};
}

std::optional<int> thumbnailIndexAt(QPoint point, SheetGrid grid, int thumbnailCount)
{
    if (point.x() < 0 || point.y() < 0)
        return std::nullopt;
    const int column = point.x() / grid.cell;
    if (column >= grid.columns)
        return std::nullopt;
    const long long index = static_cast<long long>(point.y() / grid.cell) * grid.columns + column;
    if (index >= thumbnailCount)
        return std::nullopt;
    return static_cast<int>(index);
}

std::optional<QStringList> collectionFiles(const QString &folder)
{
    // The platform's own listing, which also keeps names that are not valid
    // UTF-8; hidden files, folders, broken links, pipes and devices are not
    // listed.
    std::optional<QStringList> paths = platform::filesInFolder(folder);
    if (!paths)
        return std::nullopt;
    std::sort(paths->begin(), paths->end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return paths;
}

PictureFile readCellThumbnail(const QString &path, QSize cellSize, const ThumbnailCache *cache)
{
    if (!cache)
        return readPictureScaled(path, cellSize);
    const QFileInfo file(path);
    const QImage cached = cache->find(file);
    if (!cached.isNull())
        return pictureFromImage(cached, cellSize);
    if (!cache->wants(file, QImageReader(path).size()))
        return readPictureScaled(path, cellSize);
    const PictureFile thumbnail = readPictureWithin(path, QSize(ThumbnailCache::Size, ThumbnailCache::Size));
    if (!thumbnail.ok())
        return thumbnail;
    cache->store(file, thumbnail.image);
    return pictureFromImage(thumbnail.image, cellSize);
}

namespace {

// Files whose names say they hold a picture, in any letter case.
bool namedAsPicture(const QString &path)
{
    static const QSet<QByteArray> suffixes = [] {
        QSet<QByteArray> known{"heic", "heif", "hif", "avif"};
        for (const QByteArray &format : QImageReader::supportedImageFormats())
            known.insert(format.toLower());
        return known;
    }();
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot >= 0 && suffixes.contains(path.sliced(dot + 1).toLower().toUtf8());
}

// A file that holds no picture and is not named as one (notes, a thumbnail
// database) is not part of the collection; any other file that cannot be
// read is left out and named to the user.
bool isPartOfCollection(const QString &path, const PictureFile &file)
{
    return file.error != PictureError::NotAPicture || namedAsPicture(path);
}

// Decodes the thumbnails of `paths` on several threads. After a cancel the
// workers take no more files, so the files taken are a prefix.
std::vector<PictureFile> decodeThumbnails(const QStringList &paths, QSize cellSize, const FillOptions &options,
                                          bool &cancelled)
{
    const int count = static_cast<int>(paths.size());
    std::vector<PictureFile> thumbnails(static_cast<std::size_t>(count));
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finished;
    int running = 0;

    auto work = [&] {
        for (;;) {
            if (stop.load())
                return;
            const int i = next.fetch_add(1);
            if (i >= count)
                return;
            thumbnails[static_cast<std::size_t>(i)] = readCellThumbnail(paths[i], cellSize, options.cache);
            done.fetch_add(1);
        }
    };
    auto workThenSignal = [&] {
        work();
        const std::lock_guard lock(mutex);
        --running;
        finished.notify_one();
    };

    unsigned workers = options.threads != 0 ? options.threads : std::max(1u, std::thread::hardware_concurrency());
    workers = std::min<unsigned>(workers, static_cast<unsigned>(std::max(count, 1)));
    // With a progress report this thread only reports; without, it decodes too.
    const unsigned extra = options.progress ? workers : workers - 1;
    {
        std::vector<std::jthread> pool;
        running = int(extra);
        for (unsigned t = 0; t < extra; ++t)
            pool.emplace_back(workThenSignal);
        if (options.progress) {
            std::unique_lock lock(mutex);
            while (running > 0) {
                finished.wait_for(lock, std::chrono::milliseconds(50));
                lock.unlock();
                if (!stop.load() && !options.progress(done.load(), count))
                    stop = true;
                lock.lock();
            }
        } else {
            work();
        }
    }
    cancelled = stop.load();
    if (cancelled)
        thumbnails.resize(static_cast<std::size_t>(std::min(next.load(), count)));
    return thumbnails;
}

} // namespace

CollectionSheet fillCollectionSheet(const QString &folder, QSize sheetSize, SheetGrid grid,
                                    const QColor &background, const FillOptions &options)
{
    CollectionSheet result;
    result.sheet = QImage(sheetSize.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    result.sheet.fill(background);

    const std::optional<QStringList> files = collectionFiles(folder);
    if (!files) {
        result.status = FillStatus::FolderUnreadable;
        return result;
    }

    bool cancelled = false;
    const std::vector<PictureFile> thumbnails =
        decodeThumbnails(*files, QSize(grid.cell, grid.cell), options, cancelled);
    if (cancelled)
        result.status = FillStatus::Cancelled;

    QPainter painter;
    if (!result.sheet.isNull())
        painter.begin(&result.sheet);
    for (int i = 0; i < int(thumbnails.size()); ++i) {
        const PictureFile &thumbnail = thumbnails[static_cast<std::size_t>(i)];
        const QString &path = files->at(i);
        if (!thumbnail.ok()) {
            if (isPartOfCollection(path, thumbnail))
                result.leftOut << path;
            continue;
        }
        if (painter.isActive())
            painter.drawImage(thumbnailPosition(int(result.paths.size()), grid), thumbnail.image);
        result.paths << path;
    }
    if (result.paths.isEmpty() && !cancelled)
        result.status = FillStatus::NoPicture;
    return result;
}

} // namespace weftara::collections
