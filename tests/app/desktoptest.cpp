#include "app/desktoptest.h"

#include "app/mainwindow.h"
#include "app/picturebutton.h"
#include "app/programfolders.h"
#include "collections/collections.h"
#include "platform/surface.h"
#include "recipes/recipebook.h"
#include "recipes/recipepanel.h"
#include "support/filebytes.h"
#include "support/scripteddialogs.h"
#include "workspace/workspace.h"
#include "workspace/workspaceform.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using weftara::app::MainWindow;
using weftara::app::ProgramPlace;
using weftara::platform::ProgramFolder;
using weftara::testing::ScriptedDialogs;
using weftara::testing::readBytes;
using weftara::testing::writeBytes;
using weftara::workspace::Tab;

namespace {

bool writePicture(const QString &path, const QColor &colour)
{
    QDir().mkpath(QFileInfo(path).path());
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "BMP");
}

// Drags `data` over the window and drops it; true when the window took it.
bool drop(MainWindow &w, const QMimeData &data)
{
    QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &dropped);
    return dropped.isAccepted();
}

QMimeData *filesData(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

} // namespace

void DesktopTest::choosesFolders_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("files");
    QTest::addColumn<QString>("shipped");

    QTest::newRow("build folder") << false << true << "/w/bin" << "/w/bin";
    QTest::newRow("read-only copy") << false << false << "/home/u/data" << "/w/bin";
    QTest::newRow("installed") << true << false << "/home/u/data" << "/w/share/weftara";
    QTest::newRow("installed, writable") << true << true << "/home/u/data" << "/w/share/weftara";
}

void DesktopTest::choosesFolders()
{
    QFETCH(bool, installed);
    QFETCH(bool, writable);
    QFETCH(QString, files);
    QFETCH(QString, shipped);
    ProgramPlace place;
    place.executableFolder = QStringLiteral("/w/bin");
    place.executableFolderWritable = writable;
    place.installedDataFolder = installed ? QStringLiteral("/w/share/weftara") : QString();
    place.userDataFolder = QStringLiteral("/home/u/data");
    const weftara::app::ProgramFolders chosen = weftara::app::chooseProgramFolders(place);
    QCOMPARE(chosen.files.path(), files);
    QCOMPARE(chosen.shipped.path(), shipped);
}

void DesktopTest::firstStartCopiesMissingSamplesOnly()
{
    const QTemporaryDir shippedDir;
    const QTemporaryDir home;
    const ProgramFolder shipped(shippedDir.path());
    const ProgramFolder user(home.filePath(QStringLiteral("data/Weftara")));
    QVERIFY(writeBytes(shippedDir.filePath(QStringLiteral("kotoba.txt")), "samples"));
    QVERIFY(writeBytes(shippedDir.filePath(QStringLiteral("tutor.txt")), "tutorial"));
    QVERIFY(writePicture(shippedDir.filePath(QStringLiteral("Motoe/a.bmp")), Qt::red));
    QVERIFY(writePicture(shippedDir.filePath(QStringLiteral("Garae/b.bmp")), Qt::blue));
    // Installed files are read-only; the copies are the user's to change.
    QFile::setPermissions(shippedDir.filePath(QStringLiteral("tutor.txt")), QFile::ReadOwner | QFile::ReadOther);
    // The user's own recipes, in another letter case.
    QVERIFY(QDir().mkpath(user.path()));
    QVERIFY(writeBytes(user.filePath(u"KOTOBA.TXT"), "mine"));

    QVERIFY(weftara::app::copyMissingSamples(shipped, user, weftara::app::sampleNames()).isEmpty());
    QCOMPARE(readBytes(user.filePath(u"KOTOBA.TXT")), QByteArray("mine"));
    QCOMPARE(QDir(user.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
             (QStringList{"KOTOBA.TXT", "tutor.txt"}));
    QCOMPARE(readBytes(user.filePath(u"tutor.txt")), QByteArray("tutorial"));
    QVERIFY(QFileInfo(user.filePath(u"tutor.txt")).permissions() & QFile::WriteOwner);
    QVERIFY(QFileInfo::exists(user.filePath(u"Motoe/a.bmp")));
    QVERIFY(QFileInfo::exists(user.filePath(u"Garae/b.bmp")));

    // The next start leaves what the user changed, removed or wrote alone.
    QVERIFY(QFile::remove(user.filePath(u"Motoe/a.bmp")));
    QVERIFY(writeBytes(user.filePath(u"tutor.txt"), "edited"));
    QVERIFY(weftara::app::copyMissingSamples(shipped, user, weftara::app::sampleNames()).isEmpty());
    QVERIFY(!QFileInfo::exists(user.filePath(u"Motoe/a.bmp")));
    QCOMPARE(readBytes(user.filePath(u"tutor.txt")), QByteArray("edited"));
    QCOMPARE(QDir(user.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 4);
}

void DesktopTest::droppedPictureLoadsLikeClick()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    const QString first = dir.filePath(QStringLiteral("Motoe/p0.bmp"));
    const QString dropped = dir.filePath(QStringLiteral("elsewhere/photo.bmp"));
    const QString pattern = dir.filePath(QStringLiteral("elsewhere/cloth.bmp"));
    QVERIFY(writePicture(first, Qt::red) && writePicture(dropped, Qt::green) && writePicture(pattern, Qt::blue));
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("elsewhere/notes.txt")), "not a picture"));
    MainWindow w(ProgramFolder(dir.path()), &dialogs);
    weftara::workspace::Workspace &ws = w.form().workspace();

    w.form().clickTab(Tab::BaseCollection);
    emit ws.baseSheet().mousePressed(Qt::LeftButton, QPoint(10, 10));
    const QStringList clicked = ws.log().lines();
    QCOMPARE(clicked, QStringList{QStringLiteral("Motoe=") + first});
    ws.controls().weaveRatioSlider.setValue(70);

    // On a base tab the file becomes the base picture, as after a click.
    const std::unique_ptr<QMimeData> base(filesData({dropped}));
    QVERIFY(drop(w, *base));
    QCOMPARE(ws.log().lines(), QStringList{QStringLiteral("Motoe=") + dropped});
    QCOMPARE(ws.selectedTab(), Tab::Base);
    QCOMPARE(ws.controls().weaveRatioSlider.value(), 50);
    QCOMPARE(QColor(ws.picture(weftara::workspace::Picture::Base).image().pixel(5, 5)), QColor(Qt::green));

    // On a pattern tab, the pattern picture.
    w.form().clickTab(Tab::Pattern);
    const std::unique_ptr<QMimeData> cloth(filesData({pattern}));
    QVERIFY(drop(w, *cloth));
    QCOMPARE(ws.log().lines(), (QStringList{QStringLiteral("Motoe=") + dropped, QStringLiteral("Garae=") + pattern}));
    QCOMPARE(ws.selectedTab(), Tab::Pattern);

    // Refused: text, a file that is no picture, two files, the woven tab.
    const QStringList before = ws.log().lines();
    QMimeData text;
    text.setText(dropped);
    QVERIFY(!drop(w, text));
    const std::unique_ptr<QMimeData> notes(filesData({dir.filePath(QStringLiteral("elsewhere/notes.txt"))}));
    QVERIFY(!drop(w, *notes));
    const std::unique_ptr<QMimeData> two(filesData({dropped, pattern}));
    QVERIFY(!drop(w, *two));
    w.form().clickTab(Tab::Woven);
    QVERIFY(!drop(w, *base));
    QCOMPARE(ws.log().lines().mid(0, 2), before);
    QVERIFY(dialogs.messages().isEmpty());
}

void DesktopTest::returnReplaysRecipe()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    const QString picture = dir.filePath(QStringLiteral("Motoe/p0.bmp"));
    QVERIFY(writePicture(picture, Qt::red));
    MainWindow w(ProgramFolder(dir.path()), &dialogs);
    weftara::workspace::Workspace &ws = w.form().workspace();
    w.openPicture(picture);
    w.recipeBook().openPanel();
    w.recipePanel().nameBox()->setText(QStringLiteral("赤"));
    w.recipeBook().save();
    w.form().clickTab(Tab::BaseCollection);
    QVERIFY(ws.log().lines().isEmpty());

    QListWidget *names = w.recipePanel().nameList();
    names->setCurrentRow(0);
    QTest::keyClick(names, Qt::Key_Return);
    QCOMPARE(ws.log().lines().value(0), QStringLiteral("Motoe=") + picture);
    QVERIFY(dialogs.messages().isEmpty());
}

void DesktopTest::standardKeysTriggerMenuItems_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QKeySequence::StandardKey>("key");
    QTest::newRow("save") << "saveAsAction" << QKeySequence::Save;
    QTest::newRow("print") << "printAction" << QKeySequence::Print;
    QTest::newRow("quit") << "exitAction" << QKeySequence::Quit;
    QTest::newRow("help") << "helpAction" << QKeySequence::HelpContents;
}

void DesktopTest::standardKeysTriggerMenuItems()
{
    QFETCH(QString, item);
    QFETCH(QKeySequence::StandardKey, key);
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow w(ProgramFolder(dir.path()), &dialogs);
    auto *action = w.findChild<QAction *>(item);
    QVERIFY(action);
    QVERIFY(action->isEnabled());
    QCOMPARE(action->shortcuts(), QKeySequence::keyBindings(key));
    // Some platforms bind no key (Quit is the window manager's on some).
    if (action->shortcut().isEmpty())
        QSKIP("no key for this on this platform");
    // Only counted: the items' own work is tested with the menus.
    QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
    const QSignalSpy triggered(action, &QAction::triggered);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keySequence(&w, QKeySequence(key));
    QCOMPARE(triggered.count(), 1);
}

void DesktopTest::everyControlHasAName()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow w(ProgramFolder(dir.path()), &dialogs);
    const QList<QWidget *> widgets = w.findChildren<QWidget *>();
    int controls = 0;
    for (QWidget *widget : widgets) {
        // The scroll bars of a list or a text box, a combo box's drop-down.
        if (widget->objectName().startsWith(QStringLiteral("qt_")) || widget->parentWidget()->objectName().startsWith(QStringLiteral("qt_"))
            || qobject_cast<QComboBox *>(widget->parentWidget()) || qobject_cast<QComboBox *>(widget->window()))
            continue;
        const bool control = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QAbstractSlider *>(widget)
            || qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractItemView *>(widget)
            || qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<QComboBox *>(widget)
            || qobject_cast<weftara::app::PictureButton *>(widget);
        if (!control)
            continue;
        ++controls;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(widget->parentWidget()->objectName() + u'/' + widget->objectName()));
    }
    QVERIFY2(controls > 60, qPrintable(QString::number(controls)));
}
