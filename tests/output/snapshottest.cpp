#include "outputtests.h"

#include "outputfixture.h"
#include "output/snapshotpanel.h"
#include "platform/surface.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using weftara::testing::OutputFixture;
using weftara::workspace::Picture;
using weftara::workspace::Tab;

namespace {

// Stores the woven picture filled with `color`.
void storeColor(OutputFixture &f, Qt::GlobalColor color)
{
    f.ws.picture(Picture::Woven).image().fill(color);
    f.store.snapshotPanel().storeButton()->click();
}

void clickEntry(OutputFixture &f, const QString &text)
{
    QListWidget *list = f.store.snapshotPanel().snapshotList();
    QListWidgetItem *item = list->findItems(text, Qt::MatchExactly).value(0);
    QVERIFY(item);
    list->setCurrentItem(item);
    f.store.previewSnapshot(item);
}

} // namespace

void SnapshotTest::storeEraseAndLoad()
{
    OutputFixture f;
    QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("Motoe")));
    const QString first = f.dir.filePath(QStringLiteral("Motoe/a.bmp"));
    QVERIFY(weftara::testing::variedPicture(20, 20).save(first));
    f.collections.fill(Tab::BaseCollection);
    f.showWoven(weftara::testing::variedPicture(60, 40));
    weftara::output::SnapshotPanel &panel = f.store.snapshotPanel();

    storeColor(f, Qt::red);
    storeColor(f, Qt::green);
    storeColor(f, Qt::blue);
    clickEntry(f, QStringLiteral("picture1"));
    panel.eraseButton()->click();
    storeColor(f, Qt::yellow);
    QListWidget *list = panel.snapshotList();
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text() + list->item(2)->text(), QStringLiteral("picture2picture4"));

    // The preview is stretched to fill, whatever the snapshot's shape.
    clickEntry(f, QStringLiteral("picture2"));
    const QImage preview = panel.snapshotPreview().image();
    QCOMPARE(preview.pixel(preview.width() - 1, preview.height() - 1), qRgb(0, 255, 0));

    // "読込" loads it as a base picture, as a click on the first thumbnail
    // does; the copy is the whole snapshot, not the preview.
    f.ws.flags().patternLoaded = true;
    panel.loadButton()->click();
    const QImage snapshot = f.store.snapshot(2);
    QVERIFY(weftara::testing::sameColours(f.ws.picture(Picture::Base).image(), snapshot));
    QVERIFY(weftara::testing::sameColours(f.ws.copy(Picture::Base).picture(), snapshot));
    QCOMPARE(f.ws.log().lines(), QStringList{"Motoe=" + first});
    QVERIFY(!f.ws.flags().patternLoaded);
    QVERIFY(!f.ws.flags().wovenUpToDate);
    QVERIFY(!f.ws.picture(Picture::Woven).hasPicture());
}

void SnapshotTest::loadNeedsAPreviewedSnapshot()
{
    OutputFixture f;
    const QImage base = weftara::testing::variedPicture(30, 20);
    f.showWoven(base);
    const QStringList log = f.ws.log().lines();
    weftara::output::SnapshotPanel &panel = f.store.snapshotPanel();

    // Before any preview, and after the previewed one was erased, "読込"
    // would load an empty picture: it does nothing.
    storeColor(f, Qt::red);
    panel.loadButton()->click();
    clickEntry(f, QStringLiteral("picture1"));
    panel.eraseButton()->click();
    panel.loadButton()->click();
    QVERIFY(weftara::testing::sameColours(f.ws.picture(Picture::Base).image(), base));
    QCOMPARE(f.ws.log().lines(), log);

    // There is no base collection here; the snapshot loads all the same.
    storeColor(f, Qt::cyan);
    clickEntry(f, QStringLiteral("picture2"));
    panel.loadButton()->click();
    QVERIFY(weftara::testing::sameColours(f.ws.picture(Picture::Base).image(), f.store.snapshot(2)));
    QCOMPARE(f.ws.log().lines().size(), 1);
    QVERIFY(f.dialogs.messages().isEmpty());
}
