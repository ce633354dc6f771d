#include "collections/picturetest.h"

#include "collections/picturefile.h"
#include "collections/picturepath.h"
#include "collections/testfiles.h"
#include "platform/programfolder.h"

#include <QDir>
#include <QPainter>
#include <QTest>

using namespace weftara::collections;
using weftara::testing::nearColour;
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
    QTest::newRow("BMP") << "p.bmp" << 0;
    QTest::newRow("PNG") << "p.png" << 0;
    QTest::newRow("JPEG") << "p.jpg" << 6;
    QTest::newRow("GIF") << "p.gif" << 0;
    QTest::newRow("JPEG named .bmp") << "p.bmp.jpg:p.bmp" << 6;
}

void PictureTest::readsPictureFormats()
{
    QFETCH(QString, name);
    QFETCH(int, tolerance);
    // "written:read" writes under one name and renames, to read contents
    // that do not match the suffix.
    const QString written = m_dir->filePath(name.section(u':', 0, 0));
    const QString read = m_dir->filePath(name.section(u':', -1));
    const QColor colour(200, 100, 40);
    if (written.endsWith(u".gif")) // Qt reads GIF but cannot write it
        QVERIFY(writeBytes(written, QByteArray(SolidGif, sizeof SolidGif - 1)));
    else
        QVERIFY(writeSolidPicture(written, {37, 21}, colour));
    if (written != read)
        QVERIFY(QFile::rename(written, read));

    const PictureFile picture = readPictureFile(read);
    QVERIFY(picture.ok());
    QCOMPARE(picture.image.format(), QImage::Format_RGB32);
    QCOMPARE(picture.image.size(), QSize(37, 21));
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

    // Four quadrants of four colours: each must land in the matching quarter
    // of the thumbnail, whatever the picture's aspect ratio.
    const QColor quadrant[2][2] = {{QColor(220, 30, 30), QColor(30, 200, 40)},
                                   {QColor(40, 60, 220), QColor(240, 220, 40)}};
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        const int hw = size.width() / 2;
        const int hh = size.height() / 2;
        painter.fillRect(0, 0, hw, hh, quadrant[0][0]);
        painter.fillRect(hw, 0, size.width() - hw, hh, quadrant[0][1]);
        painter.fillRect(0, hh, hw, size.height() - hh, quadrant[1][0]);
        painter.fillRect(hw, hh, size.width() - hw, size.height() - hh, quadrant[1][1]);
    }
    const QString path = m_dir->filePath(name);
    QVERIFY(image.save(path, nullptr, 95));

    const PictureFile thumbnail = readPictureScaled(path, {100, 100});
    QVERIFY(thumbnail.ok());
    QCOMPARE(thumbnail.image.size(), QSize(100, 100));
    QCOMPARE(thumbnail.image.format(), QImage::Format_RGB32);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            // Clear of the quarter lines, where stretching blends colours.
            for (const QPoint at : {QPoint(5, 5), QPoint(35, 35)}) {
                const QPoint p = at + QPoint(column * 50, row * 50);
                QVERIFY2(nearColour(thumbnail.image.pixel(p), quadrant[row][column], tolerance),
                         qPrintable(QStringLiteral("at %1,%2").arg(p.x()).arg(p.y())));
            }
        }
    }
}
