#include "collections/sheettest.h"

#include "collections/collectionsheet.h"
#include "collections/testfiles.h"
#include "collections/thumbnailcache.h"

#include "platform/filenames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace weftara::collections;
using weftara::testing::distinctColour;
using weftara::testing::nearColour;
using weftara::testing::writeBytes;
using weftara::testing::writeSolidPicture;

Q_DECLARE_METATYPE(weftara::collections::SheetGrid)

namespace {

const QColor Background(1, 2, 3);

// Names that sort in numbering order: p01.png, p02.png ...
QString pictureName(int index, const QString &suffix = QStringLiteral("png"))
{
    return QStringLiteral("p%1.%2").arg(index + 1, 2, 10, QChar(u'0')).arg(suffix);
}

// True when the whole cell at `corner` (size `cell`) is `colour`.
bool cellIs(const QImage &sheet, QPoint corner, int cell, const QColor &colour, int tolerance)
{
    for (const QPoint at : {QPoint(0, 0), QPoint(cell - 1, 0), QPoint(0, cell - 1), QPoint(cell - 1, cell - 1),
                            QPoint(cell / 2, cell / 2)}) {
        const QPoint p = corner + at;
        if (!sheet.rect().contains(p) || !nearColour(sheet.pixel(p), colour, tolerance))
            return false;
    }
    return true;
}

FillOptions onThreads(unsigned threads)
{
    FillOptions options;
    options.threads = threads;
    return options;
}

} // namespace

void SheetTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void SheetTest::placesThumbnails_data()
{
    QTest::addColumn<SheetGrid>("grid");
    QTest::addColumn<int>("count");
    QTest::addColumn<QSize>("sheetSize");
    QTest::addColumn<int>("probe");   // 1-based number of a file to find at `where`
    QTest::addColumn<QPoint>("where");

    QTest::newRow("12 base, 6th") << BaseGrid << 12 << QSize(600, 400) << 6 << QPoint(0, 100);
    QTest::newRow("12 base, 12th") << BaseGrid << 12 << QSize(600, 400) << 12 << QPoint(100, 200);
    QTest::newRow("25 patterns, 25th") << PatternGrid << 25 << QSize(420, 200) << 25 << QPoint(160, 80);
    QTest::newRow("25 patterns, 11th") << PatternGrid << 25 << QSize(420, 200) << 11 << QPoint(0, 40);
    QTest::newRow("below the sheet's bottom") << BaseGrid << 12 << QSize(520, 150) << 3 << QPoint(200, 0);
}

void SheetTest::placesThumbnails()
{
    QFETCH(SheetGrid, grid);
    QFETCH(int, count);
    QFETCH(QSize, sheetSize);
    QFETCH(int, probe);
    QFETCH(QPoint, where);

    // Pictures of assorted sizes and formats, each of its own colour.
    const QStringList suffixes = {"png", "bmp", "png", "jpg"};
    const QList<QSize> sizes = {{640, 480}, {30, 20}, {90, 300}, {100, 100}};
    QStringList expectedPaths;
    for (int i = 0; i < count; ++i) {
        const QString path = m_dir->filePath(pictureName(i, suffixes[i % 4]));
        QVERIFY(writeSolidPicture(path, sizes[i % 4], distinctColour(i)));
        expectedPaths << path;
    }

    const CollectionSheet result = fillCollectionSheet(m_dir->path(), sheetSize, grid, Background);
    QCOMPARE(result.status, FillStatus::Complete);
    QCOMPARE(result.paths, expectedPaths);
    QCOMPARE(result.sheet.size(), sheetSize);
    QCOMPARE(result.sheet.format(), QImage::Format_RGB32);

    QVERIFY(cellIs(result.sheet, where, grid.cell, distinctColour(probe - 1), 12));
    // Every thumbnail that fits on the sheet is at column k mod n, row k div n.
    for (int k = 0; k < count; ++k) {
        const QPoint corner((k % grid.columns) * grid.cell, (k / grid.columns) * grid.cell);
        if (corner.y() + grid.cell <= sheetSize.height())
            QVERIFY2(cellIs(result.sheet, corner, grid.cell, distinctColour(k), 12), qPrintable(pictureName(k)));
    }
    // Right of the last column and below the last row: background.
    const int rows = (count + grid.columns - 1) / grid.columns;
    QCOMPARE(result.sheet.pixel(grid.columns * grid.cell, 0), Background.rgb());
    if (rows * grid.cell < sheetSize.height())
        QCOMPARE(result.sheet.pixel(0, rows * grid.cell), Background.rgb());
}

void SheetTest::thumbnailIndexAtClick_data()
{
    QTest::addColumn<SheetGrid>("grid");
    QTest::addColumn<int>("count");
    QTest::addColumn<QPoint>("click");
    QTest::addColumn<int>("expected"); // 0-based; -1 for no thumbnail

    QTest::newRow("base (250,130) is the 8th") << BaseGrid << 12 << QPoint(250, 130) << 7;
    QTest::newRow("pattern (85,10) is the 3rd") << PatternGrid << 25 << QPoint(85, 10) << 2;
    QTest::newRow("base top left") << BaseGrid << 12 << QPoint(0, 0) << 0;
    QTest::newRow("base last") << BaseGrid << 12 << QPoint(199, 299) << 11;
    QTest::newRow("past the last base") << BaseGrid << 12 << QPoint(200, 250) << -1;
    QTest::newRow("pattern last") << PatternGrid << 25 << QPoint(199, 119) << 24;
    QTest::newRow("past the last pattern") << PatternGrid << 25 << QPoint(200, 80) << -1;
    QTest::newRow("right of the last column") << BaseGrid << 12 << QPoint(500, 10) << -1;
    QTest::newRow("right of the last pattern column") << PatternGrid << 25 << QPoint(400, 0) << -1;
    QTest::newRow("left of the sheet") << BaseGrid << 12 << QPoint(-1, 10) << -1;
    QTest::newRow("empty collection") << BaseGrid << 0 << QPoint(10, 10) << -1;
}

void SheetTest::thumbnailIndexAtClick()
{
    QFETCH(SheetGrid, grid);
    QFETCH(int, count);
    QFETCH(QPoint, click);
    QFETCH(int, expected);
    const std::optional<int> index = thumbnailIndexAt(click, grid, count);
    QCOMPARE(index.value_or(-1), expected);
}

void SheetTest::listsPicturesByContent()
{
    // Any name on any picture; files that hold no picture are left out and
    // the fill goes on past them.
    struct File { const char *name; QByteArray format; };
    const File files[] = {{"p1.png", "png"}, {"p2.txt", {}},     {"p3.dat", "heic"},
                          {"p4.jpg", {}},    {"p5.webp", "webp"}, {"p6.TIF", "tiff"}};
    QStringList pictures;
    for (const File &file : files) {
        const QString path = m_dir->filePath(QLatin1String(file.name));
        if (file.format.isEmpty()) {
            QVERIFY(writeBytes(path, "not a picture\r\n"));
        } else {
            QVERIFY(writeSolidPicture(path, {20, 20}, distinctColour(int(pictures.size())), file.format));
            pictures << path;
        }
    }

    const CollectionSheet result = fillCollectionSheet(m_dir->path(), {600, 300}, BaseGrid, Background);
    QCOMPARE(result.status, FillStatus::Complete);
    QCOMPARE(result.paths, pictures);
    // Named as a picture but none: left out and named; the text file is not
    // part of the collection at all.
    QCOMPARE(result.leftOut, QStringList{m_dir->filePath(QStringLiteral("p4.jpg"))});
    for (int k = 0; k < pictures.size(); ++k)
        QVERIFY2(cellIs(result.sheet, thumbnailPosition(k, BaseGrid), 100, distinctColour(k), 6),
                 qPrintable(pictures[k]));
    QVERIFY(cellIs(result.sheet, thumbnailPosition(int(pictures.size()), BaseGrid), 100, Background, 0));
}

void SheetTest::hiddenFilesAndFoldersAreNotListed()
{
    QVERIFY(writeSolidPicture(m_dir->filePath(QStringLiteral("a.png")), {8, 8}, Qt::red));
    QVERIFY(writeSolidPicture(m_dir->filePath(QStringLiteral(".hidden.png")), {8, 8}, Qt::green));
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral(".directory")), "[Desktop Entry]\n"));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("b.png")));
    QVERIFY(writeSolidPicture(m_dir->filePath(QStringLiteral("c.png")), {8, 8}, Qt::blue));

    const CollectionSheet result = fillCollectionSheet(m_dir->path(), {500, 300}, BaseGrid, Background);
    QCOMPARE(result.status, FillStatus::Complete);
    QCOMPARE(result.paths, QStringList({m_dir->filePath(QStringLiteral("a.png")),
                                        m_dir->filePath(QStringLiteral("c.png"))}));
    QVERIFY(cellIs(result.sheet, {100, 0}, 100, Qt::blue, 0));
}

void SheetTest::sortsByNameIgnoringCase()
{
    for (const char *name : {"b.png", "A.png", "C.png", "a2.png", "B1.png"})
        QVERIFY(writeSolidPicture(m_dir->filePath(QLatin1String(name)), {4, 4}, Qt::gray));
    const std::optional<QStringList> files = collectionFiles(m_dir->path());
    QVERIFY(files.has_value());
    QStringList names;
    for (const QString &path : *files)
        names << QFileInfo(path).fileName();
    QCOMPARE(names, QStringList({"A.png", "a2.png", "b.png", "B1.png", "C.png"}));
}

void SheetTest::missingFolderFillsNothing()
{
    const CollectionSheet result =
        fillCollectionSheet(m_dir->filePath(QStringLiteral("gone")), {200, 100}, PatternGrid, Background);
    QCOMPARE(result.status, FillStatus::FolderUnreadable);
    QVERIFY(result.paths.isEmpty());
    QCOMPARE(result.sheet.size(), QSize(200, 100));
    QCOMPARE(result.sheet.pixel(10, 10), Background.rgb());
    QCOMPARE(fillCollectionSheet(QString(), {10, 10}, PatternGrid).status, FillStatus::FolderUnreadable);
}

void SheetTest::sameSheetOnAnyNumberOfThreads()
{
    // Enough files that the threads interleave; a failure near the start.
    for (int i = 0; i < 40; ++i)
        QVERIFY(writeSolidPicture(m_dir->filePath(pictureName(i, i % 2 ? "jpg" : "bmp")), {120, 90},
                                  distinctColour(i)));
    const CollectionSheet whole1 = fillCollectionSheet(m_dir->path(), {400, 200}, PatternGrid, Background, onThreads(1));
    const CollectionSheet whole4 = fillCollectionSheet(m_dir->path(), {400, 200}, PatternGrid, Background, onThreads(4));
    QCOMPARE(whole1.paths.size(), 40);
    QCOMPARE(whole4.paths, whole1.paths);
    QCOMPARE(whole4.sheet, whole1.sheet);

    // Damaged, empty and cut-short files are left out; the rest follow in order.
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("p03a.bmp")), "BM broken"));
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("p05a.jpg")), ""));
    QFile jpeg(m_dir->filePath(pictureName(7, "jpg")));
    QVERIFY(jpeg.open(QIODevice::ReadOnly));
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("p08a.jpg")), jpeg.read(200)));
    const CollectionSheet cut1 = fillCollectionSheet(m_dir->path(), {400, 200}, PatternGrid, Background, onThreads(1));
    const CollectionSheet cut4 = fillCollectionSheet(m_dir->path(), {400, 200}, PatternGrid, Background, onThreads(4));
    QCOMPARE(cut1.paths, whole1.paths);
    QCOMPARE(cut1.sheet, whole1.sheet);
    QCOMPARE(cut1.leftOut, (QStringList{m_dir->filePath(QStringLiteral("p03a.bmp")),
                                        m_dir->filePath(QStringLiteral("p05a.jpg")),
                                        m_dir->filePath(QStringLiteral("p08a.jpg"))}));
    QCOMPARE(cut4.paths, cut1.paths);
    QCOMPARE(cut4.leftOut, cut1.leftOut);
    QCOMPARE(cut4.sheet, cut1.sheet);
}

void SheetTest::listsNamesThatAreNotUtf8()
{
    // A Shift-JIS name from an old Windows disc: 詞.png.
    const QString path = m_dir->filePath(weftara::platform::decodeFileName("\x8e\x8c.png"));
    QVERIFY(writeSolidPicture(m_dir->filePath(QStringLiteral("a.png")), {8, 8}, Qt::red));
    QFile file;
    QVERIFY(weftara::platform::openForReading(file, m_dir->filePath(QStringLiteral("a.png"))));
    const QByteArray png = file.readAll();
    const QByteArray native = weftara::platform::encodeFileName(path);
    QVERIFY(native.endsWith("\x8e\x8c.png"));
    const int descriptor = ::open(native.constData(), O_WRONLY | O_CREAT, 0644);
    QVERIFY(descriptor >= 0);
    QCOMPARE(::write(descriptor, png.constData(), png.size()), png.size());
    ::close(descriptor);

    const CollectionSheet result = fillCollectionSheet(m_dir->path(), {200, 100}, BaseGrid, Background);
    QCOMPARE(result.paths, (QStringList{m_dir->filePath(QStringLiteral("a.png")), path}));
    const PictureFile picture = readPictureFile(path);
    QVERIFY(picture.ok());
    QCOMPARE(picture.image.size(), QSize(8, 8));
}

void SheetTest::folderWithTrailingSeparator()
{
    QVERIFY(writeSolidPicture(m_dir->filePath(QStringLiteral("a.png")), {4, 4}, Qt::red));
    const CollectionSheet result = fillCollectionSheet(m_dir->path() + u'/', {100, 100}, BaseGrid);
    QCOMPARE(result.paths, QStringList({m_dir->path() + QStringLiteral("/a.png")}));
}

void SheetTest::sharesThumbnailsThroughTheCache()
{
    const QTemporaryDir cacheRoot;
    const ThumbnailCache cache(cacheRoot.filePath(QStringLiteral("thumbnails/normal")));
    FillOptions cached;
    cached.cache = &cache;
    const QString big = m_dir->filePath(pictureName(0, QStringLiteral("jpg")));
    const QString small = m_dir->filePath(pictureName(1, QStringLiteral("bmp")));
    QVERIFY(writeSolidPicture(big, {640, 480}, Qt::red));
    QVERIFY(writeSolidPicture(small, {60, 40}, Qt::blue));

    // A miss writes an entry as other programs expect it: at most 128 pixels,
    // the picture's shape, its URI and modification time; small pictures
    // are read directly.
    const CollectionSheet first = fillCollectionSheet(m_dir->path(), {200, 100}, BaseGrid, Background, cached);
    QCOMPARE(first.paths.size(), 2);
    QImageReader entry(cache.entryPath(big), "png");
    const QImage thumbnail = entry.read();
    QCOMPARE(thumbnail.size(), QSize(128, 96));
    QCOMPARE(thumbnail.text(QStringLiteral("Thumb::URI")),
             QStringLiteral("file://") + QFileInfo(big).absoluteFilePath());
    QCOMPARE(thumbnail.text(QStringLiteral("Thumb::MTime")),
             QString::number(QFileInfo(big).lastModified().toSecsSinceEpoch()));
    QVERIFY(!QFileInfo::exists(cache.entryPath(small)));
    QCOMPARE(QFileInfo(cache.entryPath(big)).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
    for (const QString &folder : {QStringLiteral("thumbnails"), QStringLiteral("thumbnails/normal")})
        QCOMPARE(QFileInfo(cacheRoot.filePath(folder)).permissions() & (QFile::ExeOther | QFile::ExeGroup), 0);

    // A hit is used: a green entry shows green, whatever the file holds.
    QImage green(128, 96, QImage::Format_RGB32);
    green.fill(Qt::green);
    QVERIFY(cache.store(QFileInfo(big), green));
    const CollectionSheet second = fillCollectionSheet(m_dir->path(), {200, 100}, BaseGrid, Background, cached);
    QVERIFY(cellIs(second.sheet, {0, 0}, 100, Qt::green, 2));
    QVERIFY(cellIs(second.sheet, {100, 0}, 100, Qt::blue, 8));

    // A file changed since is read again and its entry replaced.
    QVERIFY(writeSolidPicture(big, {640, 480}, Qt::yellow));
    QFile file(big);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    file.close();
    const CollectionSheet third = fillCollectionSheet(m_dir->path(), {200, 100}, BaseGrid, Background, cached);
    QVERIFY(cellIs(third.sheet, {0, 0}, 100, Qt::yellow, 8));
    QVERIFY(!cache.find(QFileInfo(big)).isNull());
    QCOMPARE(third.sheet, fillCollectionSheet(m_dir->path(), {200, 100}, BaseGrid, Background, cached).sheet);

    // A cache that cannot be written to costs nothing but speed.
    QVERIFY(writeBytes(cacheRoot.filePath(QStringLiteral("file")), "not a folder"));
    const ThumbnailCache blocked(cacheRoot.filePath(QStringLiteral("file/normal")));
    cached.cache = &blocked;
    QCOMPARE(fillCollectionSheet(m_dir->path(), {200, 100}, BaseGrid, Background, cached).paths.size(), 2);
}

void SheetTest::cancelKeepsTheFilesBefore()
{
    for (int i = 0; i < 12; ++i)
        QVERIFY(writeSolidPicture(m_dir->filePath(pictureName(i)), {30, 30}, distinctColour(i)));
    FillOptions options = onThreads(2);
    int reports = 0;
    options.progress = [&reports](int done, int total) {
        // Cancelled at the first report, whatever has been read by then.
        return total == 12 && done <= total && ++reports > 1;
    };
    const CollectionSheet cut = fillCollectionSheet(m_dir->path(), {400, 200}, PatternGrid, Background, options);
    QCOMPARE(cut.status, FillStatus::Cancelled);
    QCOMPARE(reports, 1);
    // What was read is a prefix of the folder, drawn as a whole fill draws it.
    const CollectionSheet whole = fillCollectionSheet(m_dir->path(), {400, 200}, PatternGrid, Background);
    QCOMPARE(cut.paths, whole.paths.mid(0, cut.paths.size()));
    for (int i = 0; i < cut.paths.size(); ++i)
        QVERIFY(cellIs(cut.sheet, thumbnailPosition(i, PatternGrid), 40, distinctColour(i), 8));
}
