#include "collections/collectionsheet.h"

#include "platform/filenames.h"
#include "platform/programfolder.h"

#include <QImageReader>
#include <QPainter>
#include <QSet>

#include <algorithm>
#include <atomic>
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

// Decodes the thumbnails of `paths` on several threads.
std::vector<PictureFile> decodeThumbnails(const QStringList &paths, QSize cellSize, unsigned threads)
{
    const int count = static_cast<int>(paths.size());
    std::vector<PictureFile> thumbnails(static_cast<std::size_t>(count));
    std::atomic<int> next{0};

    auto work = [&] {
        for (int i = next.fetch_add(1); i < count; i = next.fetch_add(1))
            thumbnails[static_cast<std::size_t>(i)] = readPictureScaled(paths[i], cellSize);
    };

    unsigned workers = threads != 0 ? threads : std::max(1u, std::thread::hardware_concurrency());
    workers = std::min<unsigned>(workers, static_cast<unsigned>(std::max(count, 1)));
    {
        std::vector<std::jthread> pool;
        for (unsigned t = 1; t < workers; ++t)
            pool.emplace_back(work);
        work();
    }
    return thumbnails;
}

} // namespace

CollectionSheet fillCollectionSheet(const QString &folder, QSize sheetSize, SheetGrid grid,
                                    const QColor &background, unsigned threads)
{
    CollectionSheet result;
    result.sheet = QImage(sheetSize.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    result.sheet.fill(background);

    const std::optional<QStringList> files = collectionFiles(folder);
    if (!files) {
        result.status = FillStatus::FolderUnreadable;
        return result;
    }

    const std::vector<PictureFile> thumbnails =
        decodeThumbnails(*files, QSize(grid.cell, grid.cell), threads);

    QPainter painter;
    if (!result.sheet.isNull())
        painter.begin(&result.sheet);
    for (int i = 0; i < files->size(); ++i) {
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
    if (result.paths.isEmpty())
        result.status = FillStatus::NoPicture;
    return result;
}

} // namespace weftara::collections
