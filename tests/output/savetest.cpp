#include "outputtests.h"

#include "outputfixture.h"
#include "output/picturesave.h"
#include "platform/surface.h"
#include "support/filebytes.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using weftara::platform::SaveChoice;
using weftara::testing::OutputFixture;
using weftara::testing::readBytes;
using weftara::workspace::Picture;
using weftara::workspace::Tab;

void SaveTest::savesTheShownPicture_data()
{
    QTest::addColumn<Tab>("tab");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<Picture>("shown");

    QTest::newRow("woven as BMP") << Tab::Woven << "a.bmp" << 0 << "a.bmp" << Picture::Woven;
    QTest::newRow("upper-case JPG") << Tab::Woven << "PHOTO.JPG" << 1 << "PHOTO.JPG" << Picture::Woven;
    QTest::newRow("no ending, JPG filter") << Tab::Base << "b" << 0 << "b.jpg" << Picture::Base;
    QTest::newRow("no ending, BMP filter") << Tab::Pattern << "c" << 1 << "c.bmp" << Picture::Pattern;
    QTest::newRow("collection tab: the base") << Tab::PatternCollection << "d.bmp" << 0 << "d.bmp" << Picture::Base;
}

void SaveTest::savesTheShownPicture()
{
    QFETCH(Tab, tab);
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QFETCH(Picture, shown);
    QVERIFY(weftara::output::jpegWritable());

    // A smooth picture, as photographs are, that JPEG keeps close; the woven
    // picture inverted and the pattern plain, so that each looks different.
    OutputFixture f;
    QImage picture(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 4, y * 5, 255 - x * 2));
    f.showWoven(picture);
    f.ws.picture(Picture::Woven).image().invertPixels();
    f.ws.picture(Picture::Pattern).setGeometry(0, 0, 30, 20);
    f.ws.picture(Picture::Pattern).image().fill(Qt::darkCyan);
    f.ws.selectTab(tab);
    f.dialogs.clearMessages(); // a collection tab without its folder
    const QImage expected = f.ws.picture(shown).image().copy();

    f.dialogs.queueSaveFile(SaveChoice{f.dir.filePath(typed), filter});
    weftara::output::savePicture(f.ws);
    QCOMPARE(f.dialogs.saveRequests().last(),
             (QPair<QString, QStringList>{"保存", {"JPGファイル (*.jpg)", "BMPファイル (*.bmp)"}}));
    QVERIFY(f.dialogs.messages().isEmpty());

    const QByteArray bytes = readBytes(f.dir.filePath(written));
    const QImage saved = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved.size(), expected.size());
    if (written.endsWith(QStringLiteral("bmp"))) {
        // An uncompressed 24-bit Windows bitmap, every pixel as shown.
        QVERIFY(bytes.startsWith("BM") && bytes.at(28) == 24 && bytes.at(30) == 0);
        QVERIFY(weftara::testing::sameColours(saved, expected));
        return;
    }
    QVERIFY(bytes.startsWith("\xFF\xD8"));
    qint64 error = 0;
    for (int y = 0; y < saved.height(); ++y)
        for (int x = 0; x < saved.width(); ++x)
            error += std::abs(qGray(saved.pixel(x, y)) - qGray(expected.pixel(x, y)));
    QVERIFY(error < 4 * saved.width() * saved.height());
}

void SaveTest::refusesEndingsItCannotWrite()
{
    OutputFixture f;
    f.showWoven(weftara::testing::variedPicture(8, 8));
    for (const QString name : {"e.png", "f.jpeg"}) {
        f.dialogs.queueSaveFile(SaveChoice{f.dir.filePath(name), 0});
        weftara::output::savePicture(f.ws);
        QVERIFY(!QFile::exists(f.dir.filePath(name)));
    }
    QCOMPARE(f.dialogs.messages(), QStringList(2, "保存できるのは「.jpg」と「.bmp」のファイルだけです。"));
}

void SaveTest::failedWriteKeepsTheOldFile()
{
    OutputFixture f;
    f.showWoven(weftara::testing::variedPicture(300, 200));
    const QString old = f.dir.filePath(QStringLiteral("old.bmp"));
    QVERIFY(weftara::testing::variedPicture(4, 4).save(old, "BMP"));
    const QByteArray oldBytes = readBytes(old);

    // A disk that fills up halfway through the file (a file size limit
    // holds also for root, unlike permissions), then a folder that is gone.
    rlimit unlimited{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = unlimited;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    f.dialogs.queueSaveFile(SaveChoice{old, 1});
    weftara::output::savePicture(f.ws);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, handler);
    const QString gone = f.dir.filePath(QStringLiteral("gone/new.jpg"));
    f.dialogs.queueSaveFile(SaveChoice{gone, 0});
    weftara::output::savePicture(f.ws);

    QCOMPARE(readBytes(old), oldBytes);
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"old.bmp"});
    QCOMPARE(f.dialogs.messages().size(), 2);
    QVERIFY(f.dialogs.messages().at(0).contains(QDir::toNativeSeparators(old)));
    QVERIFY(f.dialogs.messages().at(1).contains(QDir::toNativeSeparators(gone)));
}
