#include "batch/batchrunner.h"

#include "app/mainwindow.h"
#include "output/picturesave.h"
#include "recipes/recipebook.h"
#include "support/scripteddialogs.h"
#include "workspace/workspaceform.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QProcess>
#include <QTest>

namespace weftara::testing {

BatchResult runBatch(const QStringList &arguments)
{
    QProcess batch;
    batch.setProcessChannelMode(QProcess::MergedChannels);
    batch.start(QCoreApplication::applicationDirPath() + QStringLiteral("/weftara-batch"), arguments);
    BatchResult result;
    if (!batch.waitForFinished(300000))
        return result;
    result.exitCode = batch.exitStatus() == QProcess::NormalExit ? batch.exitCode() : -1;
    result.report = QString::fromUtf8(batch.readAll());
    return result;
}

QByteArray windowReplayAsBmp(const QStringList &block)
{
    ScriptedDialogs dialogs;
    app::MainWindow window(platform::ProgramFolder(QStringLiteral(WEFTARA_SAMPLES_DIR)), &dialogs);
    window.recipeBook().replay(QString(), block);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    output::encodePicture(output::pictureToSave(window.form().workspace()), buffer, output::SaveFormat::Bmp);
    return bytes;
}

} // namespace weftara::testing
