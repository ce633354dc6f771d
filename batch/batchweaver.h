#pragma once

#include "batch/batchjob.h"
#include "output/picturesave.h"
#include "platform/programfolder.h"

#include <QString>
#include <QStringList>

namespace weftara::batch {

// Weaves one job the way the window does: a fresh main window on the
// program folder, never shown, replays the recipe with the job's pictures,
// and what "絵の保存" would write then (with the rebuilt log in a JPEG) is
// written into the output folder.
class BatchWeaver
{
public:
    BatchWeaver(platform::ProgramFolder programFolder, QStringList recipeBlock, QString outFolder,
                output::SaveFormat format);

    // An empty text when the picture was written; otherwise why not.
    QString weave(const BatchJob &job) const;

private:
    platform::ProgramFolder m_programFolder;
    QStringList m_recipeBlock;
    QString m_outFolder;
    output::SaveFormat m_format;
};

} // namespace weftara::batch
