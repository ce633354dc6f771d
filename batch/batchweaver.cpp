#include "batch/batchweaver.h"

#include "batch/batchdialogs.h"
#include "batch/interruptcleanup.h"
#include "recipes/windowlessreplay.h"
#include "workspace/workspace.h"

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
    // A fresh workspace for every picture: what one replay leaves in the
    // control values must not reach the next. No window: nothing is shown.
    BatchDialogs dialogs;
    recipes::WindowlessReplay replay(dialogs, m_folders.files);
    replay.replay(blockForJob(m_recipeBlock, job));
    workspace::Workspace &ws = replay.workspace();
    const QStringList messages = dialogs.takeMessages();
    if (!messages.isEmpty())
        return messages.join(QStringLiteral(" / "));

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
