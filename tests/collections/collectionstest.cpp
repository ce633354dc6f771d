#include "collections/collectionstest.h"

#include "collections/collectionsfixture.h"
#include "collections/pathmode.h"
#include "collections/testfiles.h"
#include "platform/surface.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

using weftara::collections::Collections;
using weftara::testing::CollectionsFixture;
using weftara::testing::nearColour;
using weftara::testing::writeBytes;

namespace {

// The colour shown in the middle of Picture1(k)'s picture.
QRgb centreOf(CollectionsFixture &f, int k)
{
    const QImage &image = f.ws.Picture1(k).image();
    return image.pixel(image.width() / 2, image.height() / 2);
}

void press(CollectionsFixture &f, int sheet, QPoint at)
{
    emit f.ws.Picture1(sheet).mousePressed(Qt::LeftButton, at);
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

    f.form.clickTab(1);
    QCOMPARE(f.collections.List1(0), bases);
    QCOMPARE(f.collections.MotoeCellSize(), 100);
    QCOMPARE(f.collections.MotoeLastPath(), f.path(QStringLiteral("Motoe")));
    const QImage &base = f.ws.Picture1(3).image();
    // The 12th thumbnail at (100, 200), the 6th at (0, 100).
    QVERIFY(nearColour(base.pixel(150, 250), CollectionsFixture::colourOf(11), 0));
    QVERIFY(nearColour(base.pixel(50, 150), CollectionsFixture::colourOf(5), 0));
    QVERIFY(nearColour(base.pixel(250, 250), f.ws.Picture1(3).backColor(), 0));

    f.form.clickTab(2);
    QCOMPARE(f.collections.List1(1), patterns);
    QCOMPARE(f.collections.GaraeCellSize(), 40);
    const QImage &pattern = f.ws.Picture1(4).image();
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
    const weftara::workspace::Controls &c = f.ws.controls();
    f.ws.flags().ScrollSetFlg = true; // no reaction: no base picture yet
    c.HScroll1->setValue(70);
    f.ws.flags().ScrollSetFlg = false;
    QSignalSpy chosen(&f.collections, &Collections::baseThumbnailChosen);
    QSignalSpy loaded(&f.collections, &Collections::basePictureChosen);

    f.form.clickTab(1);
    press(f, 3, baseClick);
    QCOMPARE(f.log(), QStringList{"Motoe=" + bases[baseIndex]});
    QVERIFY(nearColour(centreOf(f, 0), CollectionsFixture::colourOf(baseIndex), 0));
    QCOMPARE(f.ws.selectedTab(), 3);
    QVERIFY(f.ws.flags().MotoeSentakuFlg);
    QVERIFY(!f.ws.flags().OrikomiFlg);
    QCOMPARE(c.HScroll1->value(), 50);
    QCOMPARE(c.HScroll3->value(), 100);
    QCOMPARE(c.HScroll2->value(), 0);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(loaded.size(), 1);

    f.form.clickTab(2);
    press(f, 4, patternClick);
    QCOMPARE(f.log(), (QStringList{"Motoe=" + bases[baseIndex], "Garae=" + patterns[patternIndex]}));
    QVERIFY(nearColour(centreOf(f, 1), CollectionsFixture::colourOf(patternIndex), 0));
    QVERIFY(f.ws.flags().GaraeSentakuFlg);
    QCOMPARE(f.ws.selectedTab(), 4);
    QVERIFY(!f.ws.Picture1(1).isHidden());
    QVERIFY(f.dialogs.messages().isEmpty());
}

void CollectionsTest::clickWithoutThumbnailIsIgnored_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QPoint>("click");

    QTest::newRow("base, after the 12th") << 3 << QPoint(250, 230);
    QTest::newRow("base, below the last row") << 3 << QPoint(10, 330);
    QTest::newRow("base, right of the 5th column") << 3 << QPoint(520, 10);
    QTest::newRow("pattern, after the 25th") << 4 << QPoint(210, 90);
    QTest::newRow("pattern, right of the 10th column") << 4 << QPoint(405, 0);
}

void CollectionsTest::clickWithoutThumbnailIsIgnored()
{
    QFETCH(int, sheet);
    QFETCH(QPoint, click);

    CollectionsFixture f;
    f.writePictures(QStringLiteral("Motoe"), 12);
    f.writePictures(QStringLiteral("Garae"), 25);
    f.form.clickTab(2);
    f.form.clickTab(1);
    f.ws.flags().MotoeSentakuFlg = true;
    f.ws.LstLog().append(QStringLiteral("Motoe=/somewhere/else.bmp"));
    f.form.clickTab(sheet == 3 ? 1 : 2);
    const QStringList log = f.log();
    QSignalSpy chosen(&f.collections, &Collections::baseThumbnailChosen);

    press(f, sheet, click);
    QCOMPARE(f.log(), log);
    QCOMPARE(f.ws.selectedTab(), sheet == 3 ? 1 : 2);
    QVERIFY(f.dialogs.messages().isEmpty());
    QCOMPARE(chosen.size(), 0);
}

void CollectionsTest::patternBeforeBase()
{
    CollectionsFixture f;
    f.writePictures(QStringLiteral("Motoe"), 3);
    f.writePictures(QStringLiteral("Garae"), 3);
    f.form.clickTab(2);
    f.ws.LstLog().append(QStringLiteral("Size"));

    press(f, 4, QPoint(5, 5));
    QCOMPARE(f.dialogs.messages(), QStringList{QStringLiteral("元絵を先に選択してくださいね。")});
    QCOMPARE(f.ws.selectedTab(), 1);
    QVERIFY(f.log().isEmpty()); // tab 1 cleared it; nothing was loaded
    QVERIFY(!f.ws.flags().GaraeSentakuFlg);
}

void CollectionsTest::failedFillCountsAsDrawn()
{
    CollectionsFixture f;
    const QStringList bases = f.writePictures(QStringLiteral("Motoe"), 4);
    // A damaged picture that sorts between the 3rd and the 4th.
    QVERIFY(writeBytes(f.path(QStringLiteral("Motoe/p03a.bmp")), "BM broken"));
    QSignalSpy panel(&f.collections, &Collections::folderPanelRequested);

    f.form.clickTab(1);
    QCOMPARE(f.dialogs.messages(), QStringList{QStringLiteral("「元絵集」と「柄絵集」のパスを設定してください")});
    QCOMPARE(panel.size(), 1);
    QCOMPARE(panel.at(0).at(0).toInt(), int(weftara::collections::PathModeMotoe));
    QCOMPARE(f.collections.List1(0), bases.mid(0, 3));
    QCOMPARE(f.collections.MotoeLastPath(), f.path(QStringLiteral("Motoe")));
    // The thumbnails before the failure stay.
    QVERIFY(nearColour(f.ws.Picture1(3).image().pixel(250, 50), CollectionsFixture::colourOf(2), 0));

    // Selecting the tab again does not retry the folder.
    f.form.clickTab(3);
    f.form.clickTab(1);
    QCOMPARE(f.dialogs.messages().size(), 1);
    QCOMPARE(panel.size(), 1);
    QCOMPARE(f.collections.List1(0), bases.mid(0, 3));

    // Another folder is drawn.
    const QStringList others = f.writePictures(QStringLiteral("others"), 2);
    f.settings.SetIniValue(QStringLiteral("MotoEpath"), f.path(QStringLiteral("others")));
    f.form.clickTab(3);
    f.form.clickTab(1);
    QCOMPARE(f.collections.List1(0), others);
    QCOMPARE(f.dialogs.messages().size(), 1);
}

void CollectionsTest::unusableFolderOpensPanel_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("mode");

    const QString motoe = QStringLiteral("「元絵集」と「柄絵集」のパスを設定してください");
    const QString garae = QStringLiteral("柄絵集のパスを設定してください。");
    QTest::newRow("base, nothing stored") << 1 << "" << motoe << 1;
    QTest::newRow("base, stored folder gone") << 1 << "/no/such/folder" << motoe << 1;
    QTest::newRow("pattern, nothing stored") << 2 << "" << garae << 2;
    QTest::newRow("pattern, stored file not folder") << 2 << "FILE" << garae << 2;
}

void CollectionsTest::unusableFolderOpensPanel()
{
    QFETCH(int, tab);
    QFETCH(QString, stored);
    QFETCH(QString, message);
    QFETCH(int, mode);

    CollectionsFixture f;
    if (stored == u"FILE") {
        stored = f.path(QStringLiteral("plain.txt"));
        QVERIFY(writeBytes(stored, "x"));
    }
    if (!stored.isEmpty())
        f.settings.SetIniValue(tab == 1 ? QStringLiteral("MotoEpath") : QStringLiteral("GaraEpath"), stored);
    QSignalSpy panel(&f.collections, &Collections::folderPanelRequested);

    f.form.clickTab(3);
    f.form.clickTab(tab);
    QCOMPARE(f.dialogs.messages(), QStringList{message});
    QCOMPARE(panel.size(), 1);
    QCOMPARE(panel.at(0).at(0).toInt(), mode);
    QVERIFY(f.collections.List1(tab - 1).isEmpty());
    // Nothing was drawn, so the next selection tries again.
    f.form.clickTab(3);
    f.form.clickTab(tab);
    QCOMPARE(panel.size(), 2);
}

void CollectionsTest::tab1ClearsLogEveryTime()
{
    CollectionsFixture f;
    const QStringList bases = f.writePictures(QStringLiteral("Motoe"), 3);
    f.form.clickTab(3);
    f.ws.LstLog().append(QStringList{"Text2= 50", "Orikomi"});

    f.form.clickTab(1);
    QVERIFY(f.log().isEmpty());
    QCOMPARE(f.collections.List1(0), bases);

    // A click on the tab already selected runs its tab change again: the
    // log is cleared, the folder is not read again.
    QVERIFY(QFile::remove(bases[2]));
    f.ws.LstLog().append(QStringList{"Left= 0", "Top= 0", "Width= 100", "Height= 100", "Size"});
    f.form.clickTab(1);
    QVERIFY(f.log().isEmpty());
    QCOMPARE(f.collections.List1(0), bases);

    // The same through a click on the strip itself.
    f.ws.LstLog().append(QStringLiteral("Size"));
    QTabBar *strip = f.ws.controls().TabStrip1;
    emit strip->tabBarClicked(0);
    QVERIFY(f.log().isEmpty());
    QVERIFY(f.dialogs.messages().isEmpty());
}

void CollectionsTest::storedFolderChangeRefills()
{
    CollectionsFixture f;
    f.writePictures(QStringLiteral("Garae"), 3);
    const QStringList mine = f.writePictures(QStringLiteral("mine"), 5);
    f.form.clickTab(2);
    QCOMPARE(f.collections.List1(1).size(), 3);

    f.settings.SetIniValue(QStringLiteral("GaraEpath"), f.path(QStringLiteral("mine/")));
    f.form.clickTab(1);
    f.form.clickTab(2);
    QCOMPARE(f.collections.List1(1), mine);
    QCOMPARE(f.collections.GaraeLastPath(), f.path(QStringLiteral("mine")));
    // The same folder spelt differently is not drawn again.
    QVERIFY(QFile::remove(mine[0]));
    f.settings.SetIniValue(QStringLiteral("GaraEpath"), f.path(QStringLiteral("mine/.")));
    f.form.clickTab(1);
    f.form.clickTab(2);
    QCOMPARE(f.collections.List1(1), mine);
}

void CollectionsTest::baseThenPatternThenWeave()
{
    CollectionsFixture f;
    const QStringList bases = f.writePictures(QStringLiteral("Motoe"), 2, {100, 70});
    const QStringList patterns = f.writePictures(QStringLiteral("Garae"), 2, {40, 30});

    f.form.clickTab(1);
    press(f, 3, QPoint(150, 50));
    f.form.clickTab(2);
    // The pattern sheet's fill laid the pattern surface over the base again.
    QCOMPARE(f.ws.Picture1(1).geometry(), f.ws.Picture1(0).geometry());
    press(f, 4, QPoint(5, 5));
    f.form.clickTab(5);
    QVERIFY(f.ws.flags().OrikomiFlg);
    QCOMPARE(f.log(), (QStringList{"Motoe=" + bases[1], "Garae=" + patterns[0], "Text2=50", "Orikomi"}));
    QCOMPARE(f.ws.Picture1(2).size(), QSize(100, 70));
    QVERIFY(!f.ws.Picture1(2).isHidden());
    QVERIFY(f.dialogs.messages().isEmpty());
}
