#pragma once

#include "output/picturesave.h"

#include <QString>
#include <QStringList>

#include <variant>

namespace weftara::batch {

// What one run of weftara-batch is asked to do.
struct BatchOptions
{
    QString recipe;        // a name in the recipe file, or a JPEG saved by the program
    QString recipeFile;    // the recipe file; the program's kotoba.txt when not given
    QStringList bases;     // base pictures, in the order given (a folder's sorted by name)
    QStringList patterns;  // with --patterns: every base is woven with every one of these
    QString outFolder;
    output::SaveFormat format = output::SaveFormat::Jpeg;
    QString sheetFile;     // the contact sheet; none when empty
    int jobs = 0;          // workers; 0 for one per core
    int shard = 1;         // this run takes every shards-th job, starting with the shard-th
    int shards = 1;
    bool worker = false;   // a worker started by the run itself: jobs come on stdin
};

// The command line (program name first) as options, or the message that
// says what is wrong with it. Folders given with --bases and --patterns are
// listed here: every file in them that Qt can read as a picture, by name.
// `recipeFile` is the recipe file used without --recipes.
std::variant<BatchOptions, QString> parseBatchOptions(const QStringList &arguments, const QString &recipeFile);

// The usage text for --help.
QString batchUsage();

} // namespace weftara::batch
