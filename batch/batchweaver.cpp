#include "batch/batchweaver.h"

#include "app/mainwindow.h"
#include "batch/batchdialogs.h"
#include "batch/interruptcleanup.h"
#include "recipes/recipebook.h"
#include "workspace/workspace.h"
#include "workspace/workspaceform.h"

#include <QBuffer>
#include <QDir>

namespace weftara::batch {

BatchWeaver::BatchWeaver(app::ProgramFolders folders, QStringList recipeBlock, QString outFolder,
                         output::SaveFormat format)
    : m_folders(std::move(folders))
    , m_recipeBlock(std::move(recipeBlock))
    , m_outFolder(std::move(outFolder))
    , m_format(format)
{
}

QString BatchWeaver::weave(const BatchJob &job) const
{
    // A fresh window for every picture: what one replay leaves in the
    // controls must not reach the next.
    BatchDialogs dialogs;
    app::MainWindow window(m_folders, &dialogs);
    // What the window's start says (about its settings file) is not about
    // this picture.
    dialogs.takeMessages();
    window.recipeBook().replay(QString(), blockForJob(m_recipeBlock, job));
    const QStringList messages = dialogs.takeMessages();
    if (!messages.isEmpty())
        return messages.join(QStringLiteral(" / "));

    workspace::Workspace &ws = window.form().workspace();
    const QImage picture = output::pictureToSave(ws);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!output::encodePicture(picture, buffer, m_format, ws.log().lines()))
        return QStringLiteral("織り込んだ絵がありません。");
    const QString fileName = QDir(m_outFolder).filePath(job.outputName);
    if (!writeAtomically(fileName, bytes))
        return QStringLiteral("「%1」に書き込めません。").arg(QDir::toNativeSeparators(fileName));
    return {};
}

} // namespace weftara::batch
