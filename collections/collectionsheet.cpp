#include "collections/collectionsheet.h"

#include "collections/thumbnailcache.h"
#include "platform/programfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

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
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || !info.isReadable())
        return std::nullopt;
    // Without QDir::Hidden and QDir::System: no dot files, no broken links,
    // no pipes or devices that would block a read.
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
    names.removeIf([](const QString &name) { return name.startsWith(u'.'); });
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    QStringList paths;
    paths.reserve(names.size());
    for (const QString &name : names)
        paths << platform::joinPath(folder, name);
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

// A file whose content is no picture is not part of the collection.
bool isLeftOut(const PictureFile &file)
{
    return file.error == PictureError::NotAPicture;
}

// Decodes the thumbnails of `paths` on several threads. Files past the first
// failure are not needed, so the workers stop taking them once one is seen;
// after a cancel they take none. Either way the files taken are a prefix.
std::vector<PictureFile> decodeThumbnails(const QStringList &paths, QSize cellSize, const FillOptions &options,
                                          bool &cancelled)
{
    const int count = static_cast<int>(paths.size());
    std::vector<PictureFile> thumbnails(static_cast<std::size_t>(count));
    std::atomic<int> next{0};
    std::atomic<int> firstFailure{count};
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
            if (i >= count || i > firstFailure.load())
                return;
            PictureFile picture = readCellThumbnail(paths[i], cellSize, options.cache);
            if (!picture.ok() && !isLeftOut(picture)) {
                int seen = firstFailure.load();
                while (i < seen && !firstFailure.compare_exchange_weak(seen, i)) {
                }
            }
            thumbnails[static_cast<std::size_t>(i)] = std::move(picture);
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
        if (isLeftOut(thumbnail))
            continue;
        if (!thumbnail.ok()) {
            result.status = FillStatus::StoppedAtFile;
            break;
        }
        if (painter.isActive())
            painter.drawImage(thumbnailPosition(int(result.paths.size()), grid), thumbnail.image);
        result.paths << files->at(i);
    }
    return result;
}

} // namespace weftara::collections
