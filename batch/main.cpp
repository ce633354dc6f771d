#include "batch/batchjob.h"
#include "batch/batchoptions.h"
#include "batch/batchrecipe.h"
#include "batch/batchrun.h"
#include "batch/interruptcleanup.h"
#include "app/programfolders.h"
#include "help/version.h"
#include "recipes/recipekeys.h"

#include <QGuiApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>
#include <cstring>

using namespace weftara::batch;

int main(int argc, char **argv)
{
    QTextStream err(stderr);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            QTextStream(stdout) << batchUsage();
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            QTextStream(stdout) << "weftara-batch " << weftara::help::programVersion() << Qt::endl;
            return 0;
        }
    }
    // Nothing is ever shown: the workspace that replays has no widget and
    // needs no display, only fonts and pictures.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Weftara"));
    QGuiApplication::setApplicationVersion(weftara::help::programVersion());

    // The folders the window works with: the settings, the recipes and the
    // fallback folders are the same for the batch.
    const weftara::app::ProgramFolders folders =
        weftara::app::chooseProgramFolders(weftara::app::placeOfExecutable(QStringLiteral(WEFTARA_INSTALLED_DATA)));
    auto parsed =
        parseBatchOptions(QGuiApplication::arguments(), folders.files.filePath(weftara::recipes::recipeFileName()));
    if (const auto *error = std::get_if<QString>(&parsed)) {
        err << *error << Qt::endl << QStringLiteral("weftara-batch --help で使い方を表示します。") << Qt::endl;
        return int(ExitCode::BadArguments);
    }
    const BatchOptions &options = std::get<BatchOptions>(parsed);
    auto recipe = findRecipe(options.recipe, options.recipeFile);
    if (const auto *error = std::get_if<QString>(&recipe)) {
        err << *error << Qt::endl;
        return int(ExitCode::BadArguments);
    }
    const QList<BatchJob> jobs = makeJobs(options.bases, options.patterns,
                                          options.format == weftara::output::SaveFormat::Bmp ? QStringLiteral("bmp")
                                                                                             : QStringLiteral("jpg"));
    const QString overwritten = inputOverwritten(jobs, options.outFolder);
    if (!overwritten.isEmpty()) {
        err << QStringLiteral("「%1」は元絵か柄絵です。書き出すフォルダーを変えてください。")
                   .arg(QDir::toNativeSeparators(overwritten))
            << Qt::endl;
        return int(ExitCode::BadArguments);
    }
    installInterruptCleanup();
    if (options.worker)
        return runWorker(options, folders, std::get<QStringList>(recipe), jobs);

    BatchRun run(options, jobs, shardOf(jobs.size(), options.shard, options.shards), err);
    return int(run.run());
}
