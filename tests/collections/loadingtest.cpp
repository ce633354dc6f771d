#include "collections/loadingtest.h"

#include "collections/collectionsfixture.h"
#include "collections/picturefile.h"
#include "collections/testfiles.h"
#include "platform/picturememory.h"
#include "platform/surface.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "support/imagecompare.h"

using weftara::testing::CollectionsFixture;
using weftara::workspace::CopyState;
using weftara::workspace::PerPicture;
using weftara::workspace::Picture;
using weftara::workspace::Tab;
using weftara::testing::writeBytes;
using weftara::testing::writeSolidPicture;

namespace {

// A picture whose every pixel differs from its neighbours', saved losslessly.
QImage patterned(QSize size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + seed) % 256, (y * 11 + seed * 3) % 256, (x * y + seed) % 256));
    return image;
}

bool save(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    return image.save(path, "BMP");
}

} // namespace

void LoadingTest::fallsBackToProgramFolder_data()
{
    QTest::addColumn<bool>("pattern");
    QTest::addColumn<QString>("folderName"); // the fallback folder as it is spelt on disk
    QTest::addColumn<QString>("recorded");   // the path in the recipe

    QTest::newRow("base, gone folder") << false << "motoe" << "/no/such/folder/flower.bmp";
    QTest::newRow("base, folder in other case") << false << "Motoe" << "/no/such/folder/flower.bmp";
    QTest::newRow("base, path recorded on Windows") << false << "MOTOE" << "C:\\Pictures\\flower.bmp";
    QTest::newRow("pattern, Windows path") << true << "Garae" << "D:\\gara\\flower.bmp";
    QTest::newRow("pattern, file name in other case") << true << "garae" << "/gone/FLOWER.BMP";
}

void LoadingTest::fallsBackToProgramFolder()
{
    QFETCH(bool, pattern);
    QFETCH(QString, folderName);
    QFETCH(QString, recorded);

    CollectionsFixture f;
    const QString expectedPath = f.path(folderName + QStringLiteral("/flower.bmp"));
    QVERIFY(save(patterned({12, 9}, 1), expectedPath));
    if (pattern) {
        QString base = f.path(QStringLiteral("b.bmp"));
        QVERIFY(save(patterned({30, 20}, 2), base));
        QVERIFY(f.loading.loadBase(base));
    }

    QString path = recorded;
    const bool loaded = pattern ? f.loading.loadPattern(path) : f.loading.loadBase(path);
    QVERIFY(loaded);
    QCOMPARE(path, expectedPath);
    QCOMPARE(f.log().last(), QString((pattern ? "Garae=" : "Motoe=") + expectedPath));
    QVERIFY(f.dialogs.messages().isEmpty());
}

void LoadingTest::logAfterBaseThenPattern()
{
    CollectionsFixture f;
    f.ws.log().append(QStringList{"Text2= 50", "Orikomi"});
    f.ws.flags().copyState[Picture::Base] = CopyState::Unzoomed;
    f.ws.flags().copyState[Picture::Pattern] = CopyState::Untoned;
    f.ws.flags().copyState[Picture::Woven] = CopyState::Zoomed;
    f.ws.controls().zoomBox.setText(QStringLiteral("250"));
    QString base = f.path(QStringLiteral("base.bmp"));
    QString pattern = f.path(QStringLiteral("pattern.bmp"));
    QVERIFY(save(patterned({100, 70}, 3), base));
    QVERIFY(save(patterned({40, 30}, 4), pattern));

    QVERIFY(f.loading.loadBase(base));
    QCOMPARE(f.log(), QStringList{"Motoe=" + base});
    QCOMPARE(f.ws.selectedTab(), Tab::Base);
    QVERIFY(!f.ws.picture(Picture::Base).isHidden());
    QCOMPARE(f.ws.picture(Picture::Base).size(), QSize(100, 70));
    QVERIFY(!f.ws.picture(Picture::Base).autoSize());
    QCOMPARE(f.ws.flags().copyState, PerPicture<CopyState>(CopyState::Loaded));
    QVERIFY(!f.ws.flags().patternLoaded);
    QCOMPARE(f.ws.controls().zoomBox.text(), QStringLiteral("100"));
    QVERIFY(weftara::testing::sameColours(f.ws.copy(Picture::Base).image(), f.ws.picture(Picture::Base).image()));
    for (const Picture picture : {Picture::Pattern, Picture::Woven})
        QVERIFY(!f.ws.picture(picture).hasPicture());

    QVERIFY(f.loading.loadPattern(pattern));
    QCOMPARE(f.log(), (QStringList{"Motoe=" + base, "Garae=" + pattern}));
    QCOMPARE(f.ws.picture(Picture::Pattern).geometry(), f.ws.picture(Picture::Base).geometry());
    QCOMPARE(f.ws.picture(Picture::Woven).geometry(), f.ws.picture(Picture::Base).geometry());
    QVERIFY(f.ws.patternTile().isHidden());
    QCOMPARE(f.ws.selectedTab(), Tab::Base);
}

void LoadingTest::tilesPatternOverBase_data()
{
    QTest::addColumn<QSize>("baseSize");
    QTest::addColumn<QSize>("patternSize");

    QTest::newRow("40 x 30 over 100 x 70") << QSize(100, 70) << QSize(40, 30);
    QTest::newRow("as large as the base") << QSize(100, 70) << QSize(100, 70);
    QTest::newRow("larger than the base") << QSize(50, 40) << QSize(64, 48);
    QTest::newRow("one pixel") << QSize(17, 5) << QSize(1, 1);
    QTest::newRow("a column") << QSize(33, 21) << QSize(1, 8);
}

void LoadingTest::tilesPatternOverBase()
{
    QFETCH(QSize, baseSize);
    QFETCH(QSize, patternSize);

    CollectionsFixture f;
    QString base = f.path(QStringLiteral("base.bmp"));
    QString pattern = f.path(QStringLiteral("pattern.bmp"));
    QVERIFY(save(patterned(baseSize, 5), base));
    const QImage tile = patterned(patternSize, 6);
    QVERIFY(save(tile, pattern));
    QVERIFY(f.loading.loadBase(base));
    QVERIFY(f.loading.loadPattern(pattern));

    // Each pixel (x, y) shows the pattern's pixel (x mod w, y mod h).
    QImage expected(baseSize, QImage::Format_RGB32);
    for (int y = 0; y < baseSize.height(); ++y)
        for (int x = 0; x < baseSize.width(); ++x)
            expected.setPixel(x, y, tile.pixel(x % patternSize.width(), y % patternSize.height()));

    const QImage shown = f.ws.picture(Picture::Pattern).image();
    QCOMPARE(shown.size(), baseSize);
    QVERIFY(weftara::testing::sameColours(shown, expected));
    QVERIFY(weftara::testing::sameColours(f.ws.copy(Picture::Woven).image(), expected));
    QCOMPARE(f.ws.patternTile().size(), patternSize);
    // The tiled pattern is kept when the pattern surface's drawing is cleared.
    f.ws.picture(Picture::Pattern).cls();
    QVERIFY(weftara::testing::sameColours(f.ws.picture(Picture::Pattern).image(), expected));
}

void LoadingTest::failedLoadLeavesWorkspace_data()
{
    QTest::addColumn<bool>("pattern");
    QTest::addColumn<QString>("file");     // written into the program folder, or "" for none
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");  // when not the loader's own

    QTest::newRow("base missing everywhere") << false << "" << QByteArray() << QString();
    QTest::newRow("base not a picture") << false << "notes.bmp" << QByteArray("just some text") << QString();
    QTest::newRow("base truncated") << false << "cut.bmp" << QByteArray("BM\x36\0\0\0", 6) << QString();
    QTest::newRow("base is a folder") << false << "folder.bmp/" << QByteArray() << QString();
    QTest::newRow("pattern missing everywhere") << true << "" << QByteArray() << QString();
    QTest::newRow("pattern not a picture") << true << "notes.jpg" << QByteArray("no jpeg here") << QString();
    // Larger than the test's picture limit of 10000 pixels.
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QVERIFY(patterned({200, 100}, 9).save(&png, "PNG"));
    const QString tooLarge = QStringLiteral("画像が大きすぎて、このコンピューターのメモリーでは扱えません"
                                            "（200 × 100 ピクセル）。元の画像はそのままです。");
    QTest::newRow("base too large") << false << "large.png" << png.data() << tooLarge;
    QTest::newRow("pattern too large") << true << "large.png" << png.data() << tooLarge;
}

void LoadingTest::failedLoadLeavesWorkspace()
{
    QFETCH(bool, pattern);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    CollectionsFixture f;
    QString base = f.path(QStringLiteral("base.bmp"));
    QString tile = f.path(QStringLiteral("tile.bmp"));
    QVERIFY(save(patterned({60, 50}, 7), base));
    QVERIFY(save(patterned({20, 10}, 8), tile));
    QVERIFY(f.loading.loadBase(base));
    QVERIFY(f.loading.loadPattern(tile));
    f.ws.flags().copyState[Picture::Base] = CopyState::Untoned;
    f.ws.flags().copyState[Picture::Pattern] = CopyState::Unzoomed;
    f.ws.flags().copyState[Picture::Woven] = CopyState::Zoomed;
    const PerPicture<CopyState> copyStates = f.ws.flags().copyState;
    f.ws.flags().patternLoaded = true;
    f.ws.selectTab(Tab::Pattern);

    const QStringList log = f.log();
    const QImage baseBefore = f.ws.picture(Picture::Base).image().copy();
    const QImage patternBefore = f.ws.picture(Picture::Pattern).image().copy();
    const QImage baseCopy = f.ws.copy(Picture::Base).image().copy();
    const QImage tiledCopy = f.ws.copy(Picture::Woven).image().copy();

    QString path = f.path(QStringLiteral("nothing-here.bmp"));
    if (file.endsWith(u'/')) {
        QVERIFY(QDir(f.dir.path()).mkpath(file));
        path = f.path(file.chopped(1));
    } else if (!file.isEmpty()) {
        path = f.path(file);
        QVERIFY(writeBytes(path, bytes));
    }
    weftara::platform::setPicturePixelCap(10'000);
    const bool loaded = pattern ? f.loading.loadPattern(path) : f.loading.loadBase(path);
    weftara::platform::setPicturePixelCap(0);
    QVERIFY(!loaded);

    if (message.isEmpty())
        message = pattern ? QStringLiteral("柄絵が読めません") : QStringLiteral("画像ファイル又はパスが見つかりません。");
    QCOMPARE(f.dialogs.messages(), QStringList{message});
    QCOMPARE(f.log(), log);
    QCOMPARE(f.ws.selectedTab(), Tab::Pattern);
    QCOMPARE(f.ws.flags().copyState, copyStates);
    QVERIFY(f.ws.flags().patternLoaded);
    QVERIFY(weftara::testing::sameColours(f.ws.picture(Picture::Base).image(), baseBefore));
    QVERIFY(weftara::testing::sameColours(f.ws.picture(Picture::Pattern).image(), patternBefore));
    // The hidden copies still match the pictures, so tone and zoom keep working.
    QVERIFY(weftara::testing::sameColours(f.ws.copy(Picture::Base).image(), baseCopy));
    QVERIFY(weftara::testing::sameColours(f.ws.copy(Picture::Woven).image(), tiledCopy));
    QVERIFY(f.ws.patternTile().isHidden());
}

void LoadingTest::showsPictureWhenTabAlreadySelected()
{
    CollectionsFixture f;
    QString base = f.path(QStringLiteral("base.bmp"));
    QString other = f.path(QStringLiteral("other.bmp"));
    QString tile = f.path(QStringLiteral("tile.bmp"));
    QVERIFY(save(patterned({60, 50}, 9), base));
    QVERIFY(save(patterned({70, 40}, 10), other));
    QVERIFY(save(patterned({20, 10}, 11), tile));
    QVERIFY(f.loading.loadBase(base));
    QCOMPARE(f.ws.selectedTab(), Tab::Base);

    // The base tab is selected already: no tab change runs, yet the picture shows.
    f.ws.picture(Picture::Base).hide();
    QVERIFY(f.loading.loadBase(other));
    QVERIFY(!f.ws.picture(Picture::Base).isHidden());
    QCOMPARE(f.ws.picture(Picture::Base).size(), QSize(70, 40));

    QVERIFY(f.loading.loadPattern(tile));
    QVERIFY(!f.ws.picture(Picture::Base).isHidden());
    for (const Tab tab : {Tab::BaseCollection, Tab::PatternCollection, Tab::Pattern, Tab::Woven})
        QVERIFY(f.ws.surfaceOfTab(tab).isHidden());
    QVERIFY(f.ws.patternTile().isHidden());
}

void LoadingTest::replayKeepsPatternHidden()
{
    CollectionsFixture f;
    QString base = f.path(QStringLiteral("base.bmp"));
    QString tile = f.path(QStringLiteral("tile.bmp"));
    QVERIFY(save(patterned({60, 50}, 12), base));
    QVERIFY(save(patterned({20, 10}, 13), tile));
    QVERIFY(f.loading.loadBase(base));
    f.ws.selectTab(Tab::Pattern);
    f.ws.flags().replaying = true;
    QVERIFY(f.loading.loadPattern(tile));
    QVERIFY(f.ws.picture(Picture::Pattern).isHidden());
    QCOMPARE(f.log().size(), 2);
}

// A workspace without a window loads from files as the window's does, and
// makes no widget for it.
void LoadingTest::loadsWithoutWidgets()
{
    CollectionsFixture f;
    const QString base = f.path(QStringLiteral("Motoe/base.bmp"));
    const QString pattern = f.path(QStringLiteral("Garae/tile.bmp"));
    QVERIFY(save(patterned({40, 30}, 3), base));
    QVERIFY(save(patterned({7, 5}, 9), pattern));
    const qsizetype widgets = QApplication::allWidgets().size();
    weftara::testing::ScriptedDialogs dialogs;
    weftara::workspace::Workspace bare(dialogs);
    weftara::collections::PictureLoading loading(bare, f.programFolder);
    for (weftara::collections::PictureLoading *each : {&loading, &f.loading}) {
        QString basePath = base;
        QString patternPath = pattern;
        QVERIFY(each->loadBase(basePath));
        QVERIFY(each->loadPattern(patternPath));
    }
    QCOMPARE(QApplication::allWidgets().size(), widgets);
    QCOMPARE(bare.log().lines(), f.log());
    for (const Picture picture : {Picture::Base, Picture::Pattern})
        QVERIFY(weftara::testing::samePixels(bare.picture(picture).image(), f.ws.picture(picture).image()));
    QVERIFY(dialogs.messages().isEmpty());
}
