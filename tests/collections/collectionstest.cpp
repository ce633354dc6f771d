#include "collections/collectionstest.h"

#include "collections/collectionsfixture.h"
#include "collections/foldermode.h"
#include "collections/testfiles.h"
#include "platform/surface.h"
#include "workspace/picturetabs.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

using weftara::collections::Collections;
using weftara::collections::FolderMode;
using weftara::testing::CollectionsFixture;
using weftara::workspace::Picture;
using weftara::workspace::Tab;
using weftara::testing::nearColour;
using weftara::testing::writeBytes;

namespace {

// The colour shown in the middle of the picture.
QRgb centreOf(CollectionsFixture &f, Picture picture)
{
    const QImage &image = f.ws.picture(picture).image();
    return image.pixel(image.width() / 2, image.height() / 2);
}

void press(CollectionsFixture &f, Tab collectionTab, QPoint at)
{
    emit f.ws.surfaceOfTab(collectionTab).mousePressed(Qt::LeftButton, at);
}

} // namespace

void CollectionsTest::fillsBothSheets()
{
    CollectionsFixture f;
    const QStringList bases = f.writePictures(QStringLiteral("Motoe"), 12);
    const QStringList patterns = f.writePictures(QStringLiteral("Garae"), 25);
    QVERIFY(!bases.isEmpty() && !patterns.isEmpty());
    // Hidden files are no part of a collection.
    QVERIFY(writeBytes(f.path(QStringLiteral("Motoe/.thumbs.db")), "not a picture"));

    f.form.clickTab(Tab::BaseCollection);
    QCOMPARE(f.collections.thumbnailPaths(Tab::BaseCollection), bases);
    QCOMPARE(f.collections.sheetFolder(Tab::BaseCollection), f.path(QStringLiteral("Motoe")));
    const QImage &base = f.ws.baseSheet().image();
    // The 12th thumbnail at (100, 200), the 6th at (0, 100).
    QVERIFY(nearColour(base.pixel(150, 250), CollectionsFixture::colourOf(11), 0));
    QVERIFY(nearColour(base.pixel(50, 150), CollectionsFixture::colourOf(5), 0));
    QVERIFY(nearColour(base.pixel(250, 250), f.ws.baseSheet().backColor(), 0));

    f.form.clickTab(Tab::PatternCollection);
    QCOMPARE(f.collections.thumbnailPaths(Tab::PatternCollection), patterns);
    const QImage &pattern = f.ws.patternSheet().image();
    QVERIFY(nearColour(pattern.pixel(180, 100), CollectionsFixture::colourOf(24), 0));
    QVERIFY(nearColour(pattern.pixel(380, 20), CollectionsFixture::colourOf(9), 0));
    QVERIFY(f.dialogs.messages().isEmpty());
}

void CollectionsTest::thumbnailClickLoadsFile_data()
{
    QTest::addColumn<QPoint>("baseClick");
    QTest::addColumn<int>("baseIndex");
    QTest::addColumn<QPoint>("patternClick");
    QTest::addColumn<int>("patternIndex");

    QTest::newRow("8th base, 3rd pattern") << QPoint(250, 130) << 7 << QPoint(85, 10) << 2;
    QTest::newRow("first of each") << QPoint(0, 0) << 0 << QPoint(39, 39) << 0;
    QTest::newRow("last of each") << QPoint(199, 299) << 11 << QPoint(199, 119) << 24;
    QTest::newRow("cell edges") << QPoint(100, 99) << 1 << QPoint(40, 40) << 11;
}

void CollectionsTest::thumbnailClickLoadsFile()
{
    QFETCH(QPoint, baseClick);
    QFETCH(int, baseIndex);
    QFETCH(QPoint, patternClick);
    QFETCH(int, patternIndex);

    CollectionsFixture f;
    const QStringList bases = f.writePictures(QStringLiteral("Motoe"), 12, {50, 40});
    const QStringList patterns = f.writePictures(QStringLiteral("Garae"), 25, {8, 6});
    weftara::workspace::Controls &c = f.ws.controls();
    c.weaveRatioSlider.setValueQuietly(70); // no reaction: no base picture yet
    QSignalSpy chosen(&f.collections, &Collections::baseThumbnailChosen);
    QSignalSpy loaded(&f.collections, &Collections::basePictureChosen);

    f.form.clickTab(Tab::BaseCollection);
    press(f, Tab::BaseCollection, baseClick);
    QCOMPARE(f.log(), QStringList{"Motoe=" + bases[baseIndex]});
    QVERIFY(nearColour(centreOf(f, Picture::Base), CollectionsFixture::colourOf(baseIndex), 0));
    QCOMPARE(f.ws.selectedTab(), Tab::Base);
    QVERIFY(f.ws.flags().baseLoaded);
    QVERIFY(!f.ws.flags().wovenUpToDate);
    QCOMPARE(c.weaveRatioSlider.value(), 50);
    QCOMPARE(c.zoomSlider.value(), 100);
    QCOMPARE(c.toneSlider.value(), 0);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(loaded.size(), 1);

    f.form.clickTab(Tab::PatternCollection);
    press(f, Tab::PatternCollection, patternClick);
    QCOMPARE(f.log(), (QStringList{"Motoe=" + bases[baseIndex], "Garae=" + patterns[patternIndex]}));
    QVERIFY(nearColour(centreOf(f, Picture::Pattern), CollectionsFixture::colourOf(patternIndex), 0));
    QVERIFY(f.ws.flags().patternLoaded);
    QCOMPARE(f.ws.selectedTab(), Tab::Pattern);
    QVERIFY(!f.ws.picture(Picture::Pattern).isHidden());
    QVERIFY(f.dialogs.messages().isEmpty());
}

void CollectionsTest::clickWithoutThumbnailIsIgnored_data()
{
    QTest::addColumn<Tab>("collection");
    QTest::addColumn<QPoint>("click");

    QTest::newRow("base, after the 12th") << Tab::BaseCollection << QPoint(250, 230);
    QTest::newRow("base, below the last row") << Tab::BaseCollection << QPoint(10, 330);
    QTest::newRow("base, right of the 5th column") << Tab::BaseCollection << QPoint(520, 10);
    QTest::newRow("pattern, after the 25th") << Tab::PatternCollection << QPoint(210, 90);
    QTest::newRow("pattern, right of the 10th column") << Tab::PatternCollection << QPoint(405, 0);
}

void CollectionsTest::clickWithoutThumbnailIsIgnored()
{
    QFETCH(Tab, collection);
    QFETCH(QPoint, click);

    CollectionsFixture f;
    f.writePictures(QStringLiteral("Motoe"), 12);
    f.writePictures(QStringLiteral("Garae"), 25);
    f.form.clickTab(Tab::PatternCollection);
    f.form.clickTab(Tab::BaseCollection);
    f.ws.flags().baseLoaded = true;
    f.ws.log().append(QStringLiteral("Motoe=/somewhere/else.bmp"));
    f.form.clickTab(collection);
    const QStringList log = f.log();
    QSignalSpy chosen(&f.collections, &Collections::baseThumbnailChosen);

    press(f, collection, click);
    QCOMPARE(f.log(), log);
    QCOMPARE(f.ws.selectedTab(), collection);
    QVERIFY(f.dialogs.messages().isEmpty());
    QCOMPARE(chosen.size(), 0);
}

void CollectionsTest::patternBeforeBase()
{
    CollectionsFixture f;
    f.writePictures(QStringLiteral("Motoe"), 3);
    f.writePictures(QStringLiteral("Garae"), 3);
    f.form.clickTab(Tab::PatternCollection);
    f.ws.log().append(QStringLiteral("Size"));

    press(f, Tab::PatternCollection, QPoint(5, 5));
    QCOMPARE(f.dialogs.messages(), QStringList{QStringLiteral("元絵を先に選択してくださいね。")});
    QCOMPARE(f.ws.selectedTab(), Tab::BaseCollection);
    QVERIFY(f.log().isEmpty()); // the base collection cleared it; nothing was loaded
    QVERIFY(!f.ws.flags().patternLoaded);
}

void CollectionsTest::badFilesAreLeftOut()
{
    CollectionsFixture f;
    const QStringList bases = f.writePictures(QStringLiteral("Motoe"), 4);
    // Between the pictures: a damaged one, an empty one and notes.
    QVERIFY(writeBytes(f.path(QStringLiteral("Motoe/p03a.bmp")), "BM broken"));
    QVERIFY(writeBytes(f.path(QStringLiteral("Motoe/p01a.jpg")), ""));
    QVERIFY(writeBytes(f.path(QStringLiteral("Motoe/p02a.txt")), "notes"));
    QSignalSpy panel(&f.collections, &Collections::folderPanelRequested);

    f.form.clickTab(Tab::BaseCollection);
    QCOMPARE(f.dialogs.messages(),
             QStringList{QStringLiteral("画像として読めないファイルを省きました（2 件）：\np01a.jpg\np03a.bmp")});
    QCOMPARE(panel.size(), 0);
    QCOMPARE(f.collections.thumbnailPaths(Tab::BaseCollection), bases);
    QVERIFY(nearColour(f.ws.baseSheet().image().pixel(350, 50), CollectionsFixture::colourOf(3), 0));

    // Told once: the sheet is kept while the folder stays.
    f.form.clickTab(Tab::Base);
    f.form.clickTab(Tab::BaseCollection);
    QCOMPARE(f.dialogs.messages().size(), 1);

    // A folder without a single picture opens the folder panel, and is
    // tried again at the next selection.
    QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("broken")));
    QVERIFY(writeBytes(f.path(QStringLiteral("broken/a.png")), "PNG?"));
    f.settings.setValue(u"MotoEpath", f.path(QStringLiteral("broken")));
    f.form.clickTab(Tab::Base);
    f.form.clickTab(Tab::BaseCollection);
    QCOMPARE(f.dialogs.messages().mid(1),
             (QStringList{QStringLiteral("画像として読めないファイルを省きました（1 件）：\na.png"),
                          QStringLiteral("「元絵集」と「柄絵集」のパスを設定してください")}));
    QCOMPARE(panel.size(), 1);
    QVERIFY(f.collections.thumbnailPaths(Tab::BaseCollection).isEmpty());
    f.form.clickTab(Tab::Base);
    f.form.clickTab(Tab::BaseCollection);
    QCOMPARE(panel.size(), 2);
}

void CollectionsTest::cancelledFillIsNotDrawn()
{
    CollectionsFixture f;
    const QStringList bases = f.writePictures(QStringLiteral("Motoe"), 30);
    f.dialogs.setCancelProgress(true);
    f.form.clickTab(Tab::BaseCollection);
    QCOMPARE(f.dialogs.progressTexts(), QStringList{QStringLiteral("元絵集を読み込んでいます…")});
    // What was read stays clickable, without a message; the folder is read
    // again at the next selection of the tab.
    const QStringList cut = f.collections.thumbnailPaths(Tab::BaseCollection);
    QCOMPARE(cut, bases.mid(0, cut.size()));
    QVERIFY(f.dialogs.messages().isEmpty());
    QVERIFY(f.collections.sheetFolder(Tab::BaseCollection).isEmpty());

    f.dialogs.setCancelProgress(false);
    f.form.clickTab(Tab::Base);
    f.form.clickTab(Tab::BaseCollection);
    QCOMPARE(f.collections.thumbnailPaths(Tab::BaseCollection), bases);
}

void CollectionsTest::unusableFolderOpensPanel_data()
{
    QTest::addColumn<Tab>("tab");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("message");
    QTest::addColumn<FolderMode>("mode");

    const QString base = QStringLiteral("「元絵集」と「柄絵集」のパスを設定してください");
    const QString pattern = QStringLiteral("柄絵集のパスを設定してください。");
    QTest::newRow("base, nothing stored") << Tab::BaseCollection << "" << base << FolderMode::Base;
    QTest::newRow("base, stored folder gone") << Tab::BaseCollection << "/no/such/folder" << base
                                              << FolderMode::Base;
    QTest::newRow("pattern, nothing stored") << Tab::PatternCollection << "" << pattern << FolderMode::Pattern;
    QTest::newRow("pattern, stored file not folder") << Tab::PatternCollection << "FILE" << pattern
                                                     << FolderMode::Pattern;
}

void CollectionsTest::unusableFolderOpensPanel()
{
    QFETCH(Tab, tab);
    QFETCH(QString, stored);
    QFETCH(QString, message);
    QFETCH(FolderMode, mode);

    CollectionsFixture f;
    if (stored == u"FILE") {
        stored = f.path(QStringLiteral("plain.txt"));
        QVERIFY(writeBytes(stored, "x"));
    }
    if (!stored.isEmpty())
        f.settings.setValue(tab == Tab::BaseCollection ? u"MotoEpath" : u"GaraEpath", stored);
    QSignalSpy panel(&f.collections, &Collections::folderPanelRequested);

    f.form.clickTab(Tab::Base);
    f.form.clickTab(tab);
    QCOMPARE(f.dialogs.messages(), QStringList{message});
    QCOMPARE(panel.size(), 1);
    QCOMPARE(panel.at(0).at(0).value<FolderMode>(), mode);
    QVERIFY(f.collections.thumbnailPaths(tab).isEmpty());
    // Nothing was drawn, so the next selection tries again.
    f.form.clickTab(Tab::Base);
    f.form.clickTab(tab);
    QCOMPARE(panel.size(), 2);
}

void CollectionsTest::baseCollectionClearsLogEveryTime()
{
    CollectionsFixture f;
    const QStringList bases = f.writePictures(QStringLiteral("Motoe"), 3);
    f.form.clickTab(Tab::Base);
    f.ws.log().append(QStringList{"Text2= 50", "Orikomi"});

    f.form.clickTab(Tab::BaseCollection);
    QVERIFY(f.log().isEmpty());
    QCOMPARE(f.collections.thumbnailPaths(Tab::BaseCollection), bases);

    // A click on the tab already selected runs its tab change again: the
    // log is cleared, the folder is not read again.
    QVERIFY(QFile::remove(bases[2]));
    f.ws.log().append(QStringList{"Left= 0", "Top= 0", "Width= 100", "Height= 100", "Size"});
    f.form.clickTab(Tab::BaseCollection);
    QVERIFY(f.log().isEmpty());
    QCOMPARE(f.collections.thumbnailPaths(Tab::BaseCollection), bases);

    // The same through a click on the strip itself.
    f.ws.log().append(QStringLiteral("Size"));
    QTabBar *strip = f.form.pictureTabs()->tabStrip();
    emit strip->tabBarClicked(0);
    QVERIFY(f.log().isEmpty());
    QVERIFY(f.dialogs.messages().isEmpty());
}

void CollectionsTest::storedFolderChangeRefills()
{
    CollectionsFixture f;
    f.writePictures(QStringLiteral("Garae"), 3);
    const QStringList mine = f.writePictures(QStringLiteral("mine"), 5);
    f.form.clickTab(Tab::PatternCollection);
    QCOMPARE(f.collections.thumbnailPaths(Tab::PatternCollection).size(), 3);

    f.settings.setValue(u"GaraEpath", f.path(QStringLiteral("mine/")));
    f.form.clickTab(Tab::BaseCollection);
    f.form.clickTab(Tab::PatternCollection);
    QCOMPARE(f.collections.thumbnailPaths(Tab::PatternCollection), mine);
    QCOMPARE(f.collections.sheetFolder(Tab::PatternCollection), f.path(QStringLiteral("mine")));
    // The same folder spelt differently is not drawn again.
    QVERIFY(QFile::remove(mine[0]));
    f.settings.setValue(u"GaraEpath", f.path(QStringLiteral("mine/.")));
    f.form.clickTab(Tab::BaseCollection);
    f.form.clickTab(Tab::PatternCollection);
    QCOMPARE(f.collections.thumbnailPaths(Tab::PatternCollection), mine);
}

void CollectionsTest::baseThenPatternThenWeave()
{
    CollectionsFixture f;
    const QStringList bases = f.writePictures(QStringLiteral("Motoe"), 2, {100, 70});
    const QStringList patterns = f.writePictures(QStringLiteral("Garae"), 2, {40, 30});

    f.form.clickTab(Tab::BaseCollection);
    press(f, Tab::BaseCollection, QPoint(150, 50));
    f.form.clickTab(Tab::PatternCollection);
    // The pattern sheet's fill leaves the empty pattern as the base load
    // left it; the pattern's load lays it over the base.
    QCOMPARE(f.ws.picture(Picture::Pattern).size(), QSize(0, 0));
    press(f, Tab::PatternCollection, QPoint(5, 5));
    QCOMPARE(f.ws.picture(Picture::Pattern).geometry(), f.ws.picture(Picture::Base).geometry());
    f.form.clickTab(Tab::Woven);
    QVERIFY(f.ws.flags().wovenUpToDate);
    QCOMPARE(f.log(), (QStringList{"Motoe=" + bases[1], "Garae=" + patterns[0], "Text2=50", "Orikomi"}));
    QCOMPARE(f.ws.picture(Picture::Woven).size(), QSize(100, 70));
    QVERIFY(!f.ws.picture(Picture::Woven).isHidden());
    QVERIFY(f.dialogs.messages().isEmpty());
}
