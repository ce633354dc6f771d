#pragma once

#include "batch/batchjob.h"
#include "app/programfolders.h"
#include "output/picturesave.h"

#include <QString>
#include <QStringList>

namespace weftara::batch {

// Weaves one job the way the window does: a fresh workspace without a window,
// on the program's folders (its fallback folders), replays the recipe with
// the job's pictures, and what "絵の保存" would write then (with the rebuilt
// log in a JPEG) is written into the output folder.
class BatchWeaver
{
public:
    BatchWeaver(app::ProgramFolders folders, QStringList recipeBlock, QString outFolder, output::SaveFormat format);

    // An empty text when the picture was written; otherwise why not.
    QString weave(const BatchJob &job) const;

private:
    app::ProgramFolders m_folders;
    QStringList m_recipeBlock;
    QString m_outFolder;
    output::SaveFormat m_format;
};

} // namespace weftara::batch
