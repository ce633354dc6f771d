#include "batch/picturerecipetest.h"

#include "app/mainmenus.h"
#include "app/mainwindow.h"
#include "batch/batchrunner.h"
#include "output/picturesave.h"
#include "platform/surface.h"
#include "platform/surfaceview.h"
#include "recipes/loggroups.h"
#include "recipes/picturerecipe.h"
#include "recipes/recipebook.h"
#include "recipes/recipelists.h"
#include "recipes/recipepanel.h"
#include "recipes/recipeselection.h"
#include "support/imagecompare.h"
#include "support/scripteddialogs.h"
#include "workspace/workspace.h"
#include "workspace/workspaceform.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using weftara::app::MainWindow;
using weftara::platform::ProgramFolder;
using weftara::testing::ScriptedDialogs;
namespace ws = weftara::workspace;

void PictureRecipeTest::savedJpegReplaysToTheSamePicture()
{
    // A sample recipe with a tone and written text, replayed and saved
    // through the menu.
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("fuji.jpg"));
    ScriptedDialogs dialogs;
    QImage made;
    QStringList madeLog;
    {
        MainWindow a(ProgramFolder(QStringLiteral(WEFTARA_SAMPLES_DIR)), &dialogs);
        const auto lists = weftara::recipes::loadRecipeLists(QStringLiteral(WEFTARA_SAMPLE_RECIPES));
        a.recipeBook().replay({}, weftara::recipes::markRecipeBlock(lists->lines, QStringLiteral("富士と桜")).lines);
        dialogs.queueSaveFile(weftara::platform::SaveChoice{saved, 0});
        a.menus().saveAsAction->trigger();
        made = weftara::output::pictureToSave(a.form().workspace());
        madeLog = a.form().workspace().log().lines();
    }
    QVERIFY(madeLog.contains(QStringLiteral("MojiKakikomi")));
    QCOMPARE(weftara::recipes::readPictureRecipe(saved), madeLog);

    // Chosen from the base collection, it offers its recipe; "yes" makes
    // the picture again, with the file's name ready to store it under.
    QTemporaryDir other;
    QDir(other.path()).mkpath(QStringLiteral("Motoe"));
    QVERIFY(QFile::copy(saved, other.filePath(QStringLiteral("Motoe/fuji.jpg"))));
    MainWindow b(ProgramFolder(other.path()), &dialogs);
    dialogs.queueAnswer(true);
    b.form().clickTab(ws::Tab::BaseCollection);
    QTest::mouseClick(b.form().surfaceView(b.form().workspace().baseSheet()), Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(dialogs.questions(), QStringList{QStringLiteral("この絵の織り詞を再生しますか？")});
    QVERIFY(weftara::testing::samePixels(weftara::output::pictureToSave(b.form().workspace()), made));
    QCOMPARE(b.recipePanel().nameBox()->text(), QStringLiteral("fuji"));
    QVERIFY2(dialogs.messages().isEmpty(), qPrintable(dialogs.messages().join(u'|')));

    // weftara-batch takes the JPEG for its recipe.
    QTemporaryDir out;
    const QString base = madeLog[0].sliced(weftara::recipes::BaseKey.size());
    const auto batch = weftara::testing::runBatch({QStringLiteral("--recipe"), saved, QStringLiteral("--out"),
                                                   out.path(), QStringLiteral("--format"), QStringLiteral("bmp"), base});
    QVERIFY2(batch.exitCode == 0, qPrintable(batch.report));
    QFile written(out.filePath(QFileInfo(base).completeBaseName() + QStringLiteral(".bmp")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QByteArray expected;
    QBuffer buffer(&expected);
    buffer.open(QIODevice::WriteOnly);
    weftara::output::encodePicture(made, buffer, weftara::output::SaveFormat::Bmp);
    QVERIFY(written.readAll() == expected);
}
