#include "collections/folderpaneltest.h"

#include "collections/folderlist.h"
#include "collections/folderpanel.h"
#include "collections/foldermode.h"
#include "collections/testfiles.h"
#include "platform/programfolder.h"
#include "settings/settings.h"
#include "support/scripteddialogs.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace weftara::collections;
using weftara::platform::ProgramFolder;
using weftara::settings::Settings;
using weftara::testing::readBytes;
using weftara::testing::ScriptedDialogs;
using weftara::testing::writeBytes;

namespace {

struct PanelFixture
{
    QTemporaryDir dir;
    ProgramFolder programFolder{dir.path()};
    ScriptedDialogs dialogs;
    Settings settings{Settings::pathIn(programFolder), dialogs};
    QWidget form;
    FolderPanel panel{settings, programFolder, &form};

    QString path(const QString &relative) const { return dir.filePath(relative); }
    // The settings file as written.
    QString iniText() const { return QString::fromUtf8(readBytes(dir.filePath(QStringLiteral("Weftara.ini")))); }

    QStringList fileNames() const
    {
        QStringList names;
        for (int i = 0; i < panel.fileList()->count(); ++i)
            names << panel.fileList()->item(i)->text();
        return names;
    }
};

QListWidgetItem *itemFor(FolderList *list, const QString &path)
{
    for (int i = 0; i < list->count(); ++i)
        if (FolderList::pathOfItem(list->item(i)) == path)
            return list->item(i);
    return nullptr;
}

} // namespace

void FolderPanelTest::opensOnCollectionFolder_data()
{
    QTest::addColumn<FolderMode>("mode");
    QTest::addColumn<QString>("ownFolder"); // made in the program folder; "" for none
    QTest::addColumn<QString>("stored");    // "" for none
    QTest::addColumn<QString>("expected");  // relative to the program folder; "~" for home

    QTest::newRow("base, own folder") << FolderMode::Base << "motoe" << "" << "motoe";
    QTest::newRow("pattern, own folder") << FolderMode::Pattern << "Garae" << "" << "Garae";
    QTest::newRow("base, stored folder wins") << FolderMode::Base << "Motoe" << "elsewhere" << "elsewhere";
    QTest::newRow("base, stored folder gone") << FolderMode::Base << "Motoe" << "gone" << "Motoe";
    QTest::newRow("pattern, no folder at all") << FolderMode::Pattern << "" << "" << "~";
}

void FolderPanelTest::opensOnCollectionFolder()
{
    QFETCH(FolderMode, mode);
    QFETCH(QString, ownFolder);
    QFETCH(QString, stored);
    QFETCH(QString, expected);

    PanelFixture f;
    QDir root(f.dir.path());
    if (!ownFolder.isEmpty())
        QVERIFY(root.mkpath(ownFolder));
    const QString key = mode == FolderMode::Base ? QStringLiteral("MotoEpath") : QStringLiteral("GaraEpath");
    if (!stored.isEmpty()) {
        if (stored != u"gone")
            QVERIFY(root.mkpath(stored));
        f.settings.setValue(key, f.path(stored));
    }
    if (!ownFolder.isEmpty()) {
        QVERIFY(writeBytes(f.path(ownFolder + "/b.bmp"), "x"));
        QVERIFY(writeBytes(f.path(ownFolder + "/A.jpg"), "x"));
        QVERIFY(writeBytes(f.path(ownFolder + "/.hidden"), "x"));
        QVERIFY(root.mkpath(ownFolder + "/sub"));
    }

    f.panel.open(mode);
    const QString folder = expected == u"~" ? QDir::cleanPath(QDir::homePath()) : f.path(expected);
    QCOMPARE(f.panel.folderMode(), mode);
    QCOMPARE(f.panel.folderList()->path(), folder);
    QCOMPARE(f.panel.pathBox()->text(), QDir::toNativeSeparators(folder));
    QCOMPARE(f.panel.title()->text(), mode == FolderMode::Base ? QStringLiteral("元絵のパスの設定") : QStringLiteral("柄絵のパスの設定"));
    QCOMPARE(f.panel.geometry(), QRect(67, 80, 340, 289));
    QVERIFY(!f.panel.isHidden());
    // Moving there stored the folder at once.
    QCOMPARE(f.settings.value(key, QString()), folder);
    QVERIFY(f.iniText().contains(key + u',' + folder + QStringLiteral("\r\n")));
    if (expected == ownFolder)
        QCOMPARE(f.fileNames(), (QStringList{"A.jpg", "b.bmp"}));
}

void FolderPanelTest::storesEveryFolderChange()
{
    PanelFixture f;
    QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("Garae/flowers")));
    QVERIFY(writeBytes(f.path(QStringLiteral("Garae/flowers/rose.bmp")), "x"));
    QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("Garae/.cache")));
    f.panel.open(FolderMode::Pattern);

    FolderList *folders = f.panel.folderList();
    QVERIFY(!itemFor(folders, f.path(QStringLiteral("Garae/.cache"))));
    QListWidgetItem *flowers = itemFor(folders, f.path(QStringLiteral("Garae/flowers")));
    QVERIFY(flowers);
    emit folders->itemActivated(flowers);
    QCOMPARE(folders->path(), f.path(QStringLiteral("Garae/flowers")));
    QCOMPARE(f.fileNames(), QStringList{"rose.bmp"});
    QVERIFY(f.iniText().contains(QStringLiteral("GaraEpath,") + f.path(QStringLiteral("Garae/flowers"))));

    // Up again through the entry of the parent folder.
    QListWidgetItem *parent = itemFor(folders, f.path(QStringLiteral("Garae")));
    QVERIFY(parent);
    emit folders->itemActivated(parent);
    QCOMPARE(f.settings.value(u"GaraEpath", QString()), f.path(QStringLiteral("Garae")));
    QVERIFY(!f.iniText().contains(QStringLiteral("flowers")));
    QVERIFY(f.dialogs.messages().isEmpty());
}

void FolderPanelTest::keepsModeAfterClosing()
{
    PanelFixture f;
    QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("Motoe/a")));
    f.panel.open(FolderMode::Base);
    f.panel.setButton()->click();
    QVERIFY(f.panel.isHidden());
    f.panel.open(FolderMode::Base);
    f.panel.closeButton()->click();
    QVERIFY(f.panel.isHidden());
    QCOMPARE(f.panel.folderMode(), FolderMode::Base);

    // A later folder change still stores the base folder.
    f.panel.folderList()->setPath(f.path(QStringLiteral("Motoe/a")));
    QCOMPARE(f.settings.value(u"MotoEpath", QString()), f.path(QStringLiteral("Motoe/a")));
    QCOMPARE(f.settings.value(u"GaraEpath", QStringLiteral("none")), QStringLiteral("none"));
}

void FolderPanelTest::listsDrives()
{
    PanelFixture f;
    QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("Motoe")));
    f.panel.open(FolderMode::Base);
    QComboBox *drives = f.panel.driveList();
    QVERIFY(drives->count() > 0);
    // The drive shown is the volume the folder is on.
    QVERIFY(drives->currentIndex() >= 0);
    const QString root = drives->currentData().toString();
    QVERIFY(f.path(QStringLiteral("Motoe")).startsWith(root));

    // Choosing a drive moves the folder list to its root.
    const int rootIndex = drives->findData(QStringLiteral("/"));
    if (rootIndex >= 0) {
        drives->setCurrentIndex(rootIndex);
        emit drives->activated(rootIndex);
        QCOMPARE(f.panel.folderList()->path(), QStringLiteral("/"));
        QCOMPARE(f.settings.value(u"MotoEpath", QString()), QStringLiteral("/"));
    }
}
