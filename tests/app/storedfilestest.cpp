#include "app/storedfilestest.h"

#include "app/mainwindow.h"
#include "platform/surface.h"
#include "recipes/recipebook.h"
#include "recipes/recipepanel.h"
#include "support/filebytes.h"
#include "support/scripteddialogs.h"
#include "workspace/workspace.h"
#include "workspace/workspaceform.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using weftara::app::MainWindow;
using weftara::platform::ProgramFolder;
using weftara::testing::readBytes;
using weftara::testing::ScriptedDialogs;
using weftara::workspace::Picture;

namespace {

const QString Stored = QStringLiteral(WEFTARA_STORED_FILES);
// The program folder the stored replay ran in; its paths are in the logs.
const QString StoredReplayFolder = QStringLiteral("/tmp/weftara-replay");

// "WxH:" and the pixel bytes.
QString hashOf(const QImage &image)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArray::number(image.width()) + 'x' + QByteArray::number(image.height()) + ':');
    if (!image.isNull())
        hash.addData(QByteArrayView(image.constBits(), image.sizeInBytes()));
    return QString::fromLatin1(hash.result().toHex());
}

// A program folder holding the stored pictures and the given stored files.
struct Program
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;

    explicit Program(const QStringList &files)
    {
        for (const QString &name : files + QStringList{"Motoe/base.png", "Garae/stripes.png"}) {
            QDir(dir.path()).mkpath(QFileInfo(name).path());
            QFile::copy(Stored + '/' + name, dir.filePath(name));
        }
    }
    ProgramFolder folder() const { return ProgramFolder(dir.path()); }
};

struct Window
{
    explicit Window(Program &program)
        : w(program.folder(), &program.dialogs)
        , s(w.form().workspace())
    {
    }
    MainWindow w;
    weftara::workspace::Workspace &s;
};

} // namespace

void StoredFilesTest::recipesReplayAsBefore()
{
    Program program({"kotoba.txt"});
    QStringList expected = QString::fromUtf8(readBytes(Stored + "/replayed.txt")).split('\n', Qt::SkipEmptyParts);
    expected.removeIf([](const QString &line) { return line.startsWith('#'); });
    QCOMPARE(expected.size(), 6);

    QList<QStringList> logs;
    QStringList descriptions;
    for (int row = 0; row < expected.size(); ++row) {
        Window b(program);
        b.w.recipeBook().openPanel();
        QListWidget *names = b.w.recipePanel().nameList();
        names->setCurrentRow(row);
        QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, names->visualItemRect(names->item(row)).center());

        QStringList actual{names->item(row)->text(), QString::number(int(b.s.selectedTab()))};
        QStringList states;
        for (const Picture picture : weftara::workspace::Pictures)
            states << QString::number(int(b.s.flags().copyState[picture]));
        actual << states.join(',');
        for (const Picture picture : weftara::workspace::Pictures)
            actual << hashOf(b.s.picture(picture).image());
        QCOMPARE(actual.join(' '), expected[row]);
        logs << b.s.log().lines();
        descriptions << b.w.recipePanel().descriptionBox()->toPlainText();
    }
    QVERIFY(program.dialogs.messages().isEmpty());

    // The replayed logs, stored again under their names, give the same file.
    const QString recipes = program.dir.filePath("kotoba.txt");
    QVERIFY(QFile::rename(recipes, program.dir.filePath("recorded.txt")));
    for (int row = 0; row < logs.size(); ++row) {
        Window b(program);
        b.s.log().append(logs[row]);
        b.w.recipeBook().openPanel();
        b.w.recipePanel().nameBox()->setText(expected[row].section(' ', 0, 0));
        b.w.recipePanel().descriptionBox()->setPlainText(descriptions[row]);
        b.w.recipePanel().saveButton()->click();
    }
    QCOMPARE(QString::fromUtf8(readBytes(recipes)).replace(program.dir.path(), StoredReplayFolder),
             QString::fromUtf8(readBytes(Stored + "/resaved.txt")));
}

void StoredFilesTest::settingsLoadAndRewriteUnchanged()
{
    Program program({"Weftara.ini"});
    MainWindow w(program.folder(), &program.dialogs);
    QCOMPARE(w.windowTwips(), (weftara::app::WindowGeometry{600, 450, 10500, 8400}));
    QCOMPARE(w.settings().value(u"GaraEpath", {}), QStringLiteral("/tmp/weftara-recording/Garae"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.close());
    QCOMPARE(readBytes(program.dir.filePath("Weftara.ini")), readBytes(Stored + "/Weftara.ini"));
}
