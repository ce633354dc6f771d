#include "collections/picturetest.h"

#include "collections/picturefile.h"
#include "collections/picturepath.h"
#include "collections/testfiles.h"
#include "heif/heifwriter.h"
#include "platform/programfolder.h"
#include "support/exiforientation.h"

#include <QColorSpace>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace weftara::collections;
using weftara::heif::writeHeif;
using weftara::testing::jpegWithOrientation;
using weftara::testing::nearColour;
using weftara::testing::readBytes;
using weftara::testing::storedForOrientation;
using weftara::testing::writeBytes;
using weftara::testing::writeSolidPicture;

Q_DECLARE_METATYPE(weftara::collections::PictureError)

namespace {

// A 37 x 21 GIF of the one colour (200, 100, 40).
constexpr char SolidGif[] =
    "\x47\x49\x46\x38\x39\x61\x25\x00\x15\x00\xf0\x00\x00\xc8\x64\x28\x00\x00\x00\x21\xf9\x04"
    "\x00\x00\x00\x00\x00\x2c\x00\x00\x00\x00\x25\x00\x15\x00\x00\x02\x1a\x84\x8f\xa9\xcb\xed"
    "\x0f\xa3\x9c\xb4\xda\x8b\xb3\xde\xbc\xfb\x0f\x86\xe2\x48\x96\xe6\x89\xa6\x2a\x5a\x00\x00"
    "\x3b";

// Four quarters of four colours: each must land in the matching quarter of
// what is read, whatever the scale and however the file is turned.
const QColor Quadrant[2][2] = {{QColor(220, 30, 30), QColor(30, 200, 40)},
                               {QColor(40, 60, 220), QColor(240, 220, 40)}};

QImage quadrantPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int hw = size.width() / 2;
    const int hh = size.height() / 2;
    painter.fillRect(0, 0, hw, hh, Quadrant[0][0]);
    painter.fillRect(hw, 0, size.width() - hw, hh, Quadrant[0][1]);
    painter.fillRect(0, hh, hw, size.height() - hh, Quadrant[1][0]);
    painter.fillRect(hw, hh, size.width() - hw, size.height() - hh, Quadrant[1][1]);
    return image;
}

// Looked at clear of the quarter lines, where stretching blends colours.
bool showsQuadrants(const QImage &image, int tolerance)
{
    const int w = image.width();
    const int h = image.height();
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            for (const int eighth : {1, 3}) {
                const QPoint p(column * w / 2 + eighth * w / 8, row * h / 2 + eighth * h / 8);
                if (!nearColour(image.pixel(p), Quadrant[row][column], tolerance)) {
                    qWarning("quarter %d,%d differs at %d,%d", row, column, p.x(), p.y());
                    return false;
                }
            }
        }
    }
    return true;
}

// Display P3 and sRGB share the curve and the white point; the primaries
// differ, so the linear values go through the P3-to-sRGB matrix.
QColor displayP3ToSrgb(const QColor &p3)
{
    const auto linear = [](int byte) {
        const double v = byte / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const auto encoded = [](double v) {
        v = std::clamp(v, 0.0, 1.0);
        v = v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
        return int(std::lround(v * 255));
    };
    const double r = linear(p3.red());
    const double g = linear(p3.green());
    const double b = linear(p3.blue());
    return QColor(encoded(1.2249401 * r - 0.2249404 * g), encoded(-0.0420569 * r + 1.0420571 * g),
                  encoded(-0.0196376 * r - 0.0786361 * g + 1.0982735 * b));
}

QByteArray heicBytes(QSize size, int thumbnailSize = 0)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.heic"));
    return writeHeif(path, quadrantPicture(size), {.thumbnailSize = thumbnailSize}) ? readBytes(path) : QByteArray();
}

} // namespace

void PictureTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void PictureTest::resolvesFallbackPath_data()
{
    QTest::addColumn<QString>("folderOnDisk");   // the fallback folder as it is spelled on disk
    QTest::addColumn<QString>("fileOnDisk");     // the file in it
    QTest::addColumn<QString>("requested");      // relative to the temporary folder when it starts with "./"
    QTest::addColumn<QString>("expected");       // relative to the program folder; "=" for the request itself

    QTest::newRow("file exists") << "motoe" << "a.bmp" << "./prog/motoe/a.bmp" << "=";
    QTest::newRow("gone, Windows path") << "motoe" << "a.bmp" << "C:\\old\\pics\\a.bmp" << "motoe/a.bmp";
    QTest::newRow("folder in other case") << "Motoe" << "a.bmp" << "/gone/a.bmp" << "Motoe/a.bmp";
    QTest::newRow("file in other case") << "MOTOE" << "Sunset.JPG" << "D:\\x\\sunset.jpg" << "MOTOE/Sunset.JPG";
    QTest::newRow("path is a folder") << "motoe" << "a.bmp" << "./prog" << "motoe/prog";
    QTest::newRow("rejected path") << "motoe" << "a.bmp" << QStringLiteral("/gone/a.bmp") + QChar(u'\0')
                                   << "motoe/a.bmp" + QString(QChar(u'\0'));
    QTest::newRow("missing in fallback too") << "motoe" << "a.bmp" << "/gone/b.bmp" << "motoe/b.bmp";
    QTest::newRow("no fallback folder") << "" << "" << "/gone/b.bmp" << "motoe/b.bmp";
}

void PictureTest::resolvesFallbackPath()
{
    QFETCH(QString, folderOnDisk);
    QFETCH(QString, fileOnDisk);
    QFETCH(QString, requested);
    QFETCH(QString, expected);

    const QString program = m_dir->filePath(QStringLiteral("prog"));
    QVERIFY(QDir().mkpath(program));
    if (!folderOnDisk.isEmpty()) {
        QVERIFY(QDir(program).mkdir(folderOnDisk));
        QVERIFY(writeSolidPicture(program + u'/' + folderOnDisk + u'/' + fileOnDisk, {4, 4}, Qt::red));
    }
    if (requested.startsWith(u"./"))
        requested = m_dir->filePath(requested.mid(2));
    expected = expected == u"=" ? requested : program + u'/' + expected;

    const weftara::platform::ProgramFolder folder(program);
    QCOMPARE(resolvePicturePath(requested, folder, BaseFallbackFolder), expected);
}

void PictureTest::choosesCollectionFolder_data()
{
    QTest::addColumn<QString>("ownFolder");  // spelling of the program's own folder on disk; empty: none
    QTest::addColumn<QString>("stored");     // "./x" is below the temporary folder
    QTest::addColumn<QString>("toFill");     // "-" for none; "home" for the home folder
    QTest::addColumn<QString>("panel");

    QTest::newRow("stored folder exists") << "Motoe" << "./elsewhere" << "./elsewhere" << "./elsewhere";
    QTest::newRow("nothing stored") << "Motoe" << "" << "./prog/Motoe" << "./prog/Motoe";
    QTest::newRow("stored folder gone") << "motoe" << "/gone/pics" << "./prog/motoe" << "./prog/motoe";
    QTest::newRow("stored path is a file") << "MOTOE" << "./prog/MOTOE/a.bmp" << "./prog/MOTOE" << "./prog/MOTOE";
    QTest::newRow("no own folder") << "" << "" << "-" << "home";
    QTest::newRow("own name is a file") << "Motoe:file" << "/gone" << "-" << "home";
}

void PictureTest::choosesCollectionFolder()
{
    QFETCH(QString, ownFolder);
    QFETCH(QString, stored);
    QFETCH(QString, toFill);
    QFETCH(QString, panel);

    const QString program = m_dir->filePath(QStringLiteral("prog"));
    QVERIFY(QDir().mkpath(program));
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("elsewhere"))));
    if (ownFolder.endsWith(u":file")) {
        QVERIFY(writeBytes(program + u'/' + ownFolder.section(u':', 0, 0), "x"));
    } else if (!ownFolder.isEmpty()) {
        QVERIFY(QDir(program).mkdir(ownFolder));
        QVERIFY(writeSolidPicture(program + u'/' + ownFolder + QStringLiteral("/a.bmp"), {2, 2}, Qt::red));
    }
    auto expand = [this](const QString &path) {
        return path.startsWith(u"./") ? m_dir->filePath(path.mid(2)) : path;
    };
    const weftara::platform::ProgramFolder folder(program);

    const std::optional<QString> fill = collectionFolderToFill(expand(stored), folder, BaseCollectionFolder);
    QCOMPARE(fill.value_or(QStringLiteral("-")), expand(toFill));
    QCOMPARE(folderPanelStart(expand(stored), folder, BaseCollectionFolder),
             panel == u"home" ? QDir::homePath() : expand(panel));
}

void PictureTest::readsPictureFormats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<QSize>("size");
    QTest::newRow("BMP") << "p.bmp" << 0 << QSize(37, 21);
    QTest::newRow("PNG") << "p.png" << 0 << QSize(37, 21);
    QTest::newRow("JPEG") << "p.jpg" << 6 << QSize(37, 21);
    QTest::newRow("GIF") << "p.gif" << 0 << QSize(37, 21);
    QTest::newRow("WebP") << "p.webp" << 6 << QSize(37, 21);
    QTest::newRow("TIFF") << "p.tif" << 0 << QSize(37, 21);
    QTest::newRow("HEIC") << "p.heic" << 4 << QSize(37, 21);
    QTest::newRow("JPEG named .bmp") << "p.bmp.jpg:p.bmp" << 6 << QSize(37, 21);
    QTest::newRow("HEIC named .jpg") << "p.jpg.heic:p.jpg" << 4 << QSize(37, 21);
    // Over the 128 MB Qt allows a picture of its own accord.
    QTest::newRow("JPEG of 36 megapixels") << "large.jpg" << 6 << QSize(6000, 6000);
}

void PictureTest::readsPictureFormats()
{
    QFETCH(QString, name);
    QFETCH(int, tolerance);
    QFETCH(QSize, size);
    // "written:read" writes under one name and renames, to read contents
    // that do not match the suffix.
    const QString written = m_dir->filePath(name.section(u':', 0, 0));
    const QString read = m_dir->filePath(name.section(u':', -1));
    const QColor colour(200, 100, 40);
    if (written.endsWith(u".gif")) // Qt reads GIF but cannot write it
        QVERIFY(writeBytes(written, QByteArray(SolidGif, sizeof SolidGif - 1)));
    else
        QVERIFY(writeSolidPicture(written, size, colour));
    if (written != read)
        QVERIFY(QFile::rename(written, read));

    const PictureFile picture = readPictureFile(read);
    QVERIFY(picture.ok());
    QCOMPARE(picture.image.format(), QImage::Format_RGB32);
    QCOMPARE(picture.image.size(), size);
    QVERIFY(nearColour(picture.image.pixel(18, 10), colour, tolerance));
}

void PictureTest::tellsWhyReadingFailed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<PictureError>("expected");

    QTest::newRow("missing") << "gone.bmp" << QByteArray() << PictureError::Missing;
    QTest::newRow("text file") << "notes.txt" << QByteArray("Weftara notes\r\n") << PictureError::NotAPicture;
    QTest::newRow("text named .jpg") << "fake.jpg" << QByteArray("hello") << PictureError::NotAPicture;
    QTest::newRow("empty file") << "empty.bmp" << QByteArray("") << PictureError::NotAPicture;
    QTest::newRow("PNG header only") << "cut.png"
                                     << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x02\0\0\0", 29)
                                     << PictureError::Corrupt;
    QTest::newRow("HEIF box only") << "box.heic" << QByteArray("\0\0\0\x18" "ftypheic\0\0\0\0mif1heic", 24)
                                   << PictureError::Corrupt;
    const QByteArray heic = heicBytes({64, 48});
    QTest::newRow("HEIC cut short") << "cut.heic" << heic.left(heic.size() * 2 / 3) << PictureError::Corrupt;
    // The grid that makes up the picture says 26482 × 26980 pixels, the
    // picture itself 64 × 48: libheif would take gigabytes for it.
    QByteArray grid = heic;
    const qsizetype descriptor = grid.indexOf("idat") + 4;
    grid.replace(descriptor + 4, 4, "grid");
    QTest::newRow("HEIC grid larger than its picture") << "grid.heic" << grid << PictureError::Corrupt;
    // The thumbnail's grid and the size the thumbnail states both say
    // 26482 × 26980: a thumbnail larger than the picture is no thumbnail, and
    // no grid in the file may be larger than any picture may be.
    QByteArray thumbnail = heicBytes({64, 48}, 16);
    const qsizetype thumbnailGrid = thumbnail.indexOf("idat") + 4 + 8;
    const QByteArray thumbnailSize = thumbnail.mid(thumbnailGrid + 4, 4);
    for (qsizetype at = thumbnail.indexOf("ispe"); at >= 0; at = thumbnail.indexOf("ispe", at + 1)) {
        if (thumbnail.mid(at + 8, 8) == QByteArray(2, 0) + thumbnailSize.left(2) + QByteArray(2, 0) + thumbnailSize.mid(2))
            thumbnail.replace(at + 8, 8, QByteArray(2, 0) + "gr" + QByteArray(2, 0) + "id");
    }
    thumbnail.replace(thumbnailGrid + 4, 4, "grid");
    QTest::newRow("HEIC thumbnail grid larger than any picture") << "thumb.heic" << thumbnail << PictureError::Corrupt;
}

void PictureTest::tellsWhyReadingFailed()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(PictureError, expected);
    const QString path = m_dir->filePath(name);
    if (!bytes.isNull())
        QVERIFY(writeBytes(path, bytes));
    const PictureFile picture = readPictureFile(path);
    QCOMPARE(picture.error, expected);
    QVERIFY(picture.image.isNull());
    QCOMPARE(readPictureScaled(path, {10, 10}).error, expected);
}

void PictureTest::laysTransparencyOverWhite()
{
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(1, 1, qRgba(0, 0, 255, 255));
    const QString path = m_dir->filePath(QStringLiteral("alpha.png"));
    QVERIFY(image.save(path));
    const PictureFile picture = readPictureFile(path);
    QVERIFY(picture.ok());
    QCOMPARE(picture.image.pixel(5, 5) & 0xFFFFFFu, 0xFFFFFFu);
    QCOMPARE(picture.image.pixel(1, 1) & 0xFFFFFFu, 0x0000FFu);
}

void PictureTest::scaledReadStretchesWholePicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("tolerance");
    QTest::newRow("large JPEG") << "q.jpg" << QSize(1600, 900) << 12;
    QTest::newRow("wide BMP") << "q.bmp" << QSize(400, 20) << 2;
    QTest::newRow("small PNG, enlarged") << "q.png" << QSize(20, 10) << 2;
}

void PictureTest::scaledReadStretchesWholePicture()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(int, tolerance);

    const QImage image = quadrantPicture(size);
    const QString path = m_dir->filePath(name);
    QVERIFY(image.save(path, nullptr, 95));

    const PictureFile thumbnail = readPictureScaled(path, {100, 100});
    QVERIFY(thumbnail.ok());
    QCOMPARE(thumbnail.image.size(), QSize(100, 100));
    QCOMPARE(thumbnail.image.format(), QImage::Format_RGB32);
    QVERIFY(showsQuadrants(thumbnail.image, tolerance));
}

void PictureTest::turnsPicturesUpright_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("orientation");
    for (const char *format : {"jpg", "heic", "jpg with thumbnail"})
        for (int orientation = 1; orientation <= 8; ++orientation)
            QTest::addRow("%s %d", format, orientation) << QString::fromLatin1(format) << orientation;
}

void PictureTest::turnsPicturesUpright()
{
    QFETCH(QString, format);
    QFETCH(int, orientation);
    const QSize upright(160, 96);
    const QImage stored = storedForOrientation(quadrantPicture(upright), orientation);
    const QString path = m_dir->filePath(QStringLiteral("turned.") + format.first(3));
    if (format == u"jpg")
        QVERIFY(writeBytes(path, jpegWithOrientation(stored, orientation)));
    else if (format.startsWith(u"jpg"))
        QVERIFY(writeBytes(path, jpegWithOrientation(stored, orientation,
                                                     storedForOrientation(quadrantPicture({80, 48}), orientation))));
    else
        QVERIFY(writeHeif(path, stored, {.orientation = orientation, .thumbnailSize = 64}));

    const PictureFile whole = readPictureFile(path);
    QVERIFY(whole.ok());
    QCOMPARE(whole.image.size(), upright);
    QVERIFY(showsQuadrants(whole.image, 12));
    // JPEG's reduced-scale decode and HEIC's stored thumbnail turn alike.
    const PictureFile thumbnail = readPictureScaled(path, {40, 24});
    QVERIFY(thumbnail.ok());
    QVERIFY(showsQuadrants(thumbnail.image, 12));
}

void PictureTest::usesCameraThumbnail_data()
{
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QSize>("thumbnailSize");
    QTest::addColumn<bool>("used");
    QTest::newRow("as large as the cell") << QSize(400, 300) << QSize(160, 120) << true;
    QTest::newRow("smaller than the cell") << QSize(400, 300) << QSize(80, 60) << false;
    QTest::newRow("padded to another shape") << QSize(400, 225) << QSize(160, 120) << false;
}

void PictureTest::usesCameraThumbnail()
{
    QFETCH(QSize, pictureSize);
    QFETCH(QSize, thumbnailSize);
    QFETCH(bool, used);
    QImage picture(pictureSize, QImage::Format_RGB32);
    picture.fill(QColor(30, 30, 220));
    QImage thumbnail(thumbnailSize, QImage::Format_RGB32);
    thumbnail.fill(QColor(220, 30, 30));
    const QString path = m_dir->filePath(QStringLiteral("camera.jpg"));
    QVERIFY(writeBytes(path, jpegWithOrientation(picture, 1, thumbnail)));

    const PictureFile read = readPictureScaled(path, {100, 100});
    QVERIFY(read.ok());
    QCOMPARE(read.image.size(), QSize(100, 100));
    QVERIFY(nearColour(read.image.pixel(50, 50), used ? thumbnail.pixelColor(0, 0) : picture.pixelColor(0, 0), 8));
    // The whole picture never comes from the thumbnail.
    QCOMPARE(readPictureFile(path).image.size(), pictureSize);
}

void PictureTest::convertsColoursToSrgb_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("displayP3"); // else tagged sRGB
    QTest::addColumn<int>("tolerance");
    QTest::newRow("JPEG, Display P3 profile") << "jpg" << true << 4;
    QTest::newRow("HEIC, Display P3 profile") << "heic" << true << 4;
    QTest::newRow("HEIC, Display P3 colour codes") << "heic codes" << true << 4;
    // libheif reports the unknown code but still hands out the codes, which
    // are freed all the same (the leak checker watches).
    QTest::newRow("HEIC, a transfer code libheif does not know") << "heic unknown codes" << false << 4;
    QTest::newRow("PNG, sRGB profile") << "png" << false << 0;
}

void PictureTest::convertsColoursToSrgb()
{
    QFETCH(QString, format);
    QFETCH(bool, displayP3);
    QFETCH(int, tolerance);
    const QColor stored(180, 120, 60);
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(stored);
    image.setColorSpace(displayP3 ? QColorSpace::DisplayP3 : QColorSpace::SRgb);
    const QString path = m_dir->filePath(QStringLiteral("tagged"));
    if (format.startsWith(u"heic")) {
        QVERIFY(writeHeif(path, image, {.colorCodes = format.endsWith(u"codes")}));
        if (format.contains(u"unknown")) {
            QByteArray bytes = readBytes(path);
            const qsizetype codes = bytes.indexOf("nclx");
            QVERIFY(codes > 0);
            bytes[codes + 7] = char(141); // the transfer characteristics' low byte
            QVERIFY(writeBytes(path, bytes));
        }
    } else
        QVERIFY(image.save(path, format.toLatin1().constData(), 95));

    const PictureFile picture = readPictureFile(path);
    QVERIFY(picture.ok());
    const QColor expected = displayP3 ? displayP3ToSrgb(stored) : stored;
    QVERIFY2(nearColour(picture.image.pixel(12, 8), expected, tolerance),
             qPrintable(QColor(picture.image.pixel(12, 8)).name() + QStringLiteral(" for ") + expected.name()));
}
