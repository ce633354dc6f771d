#pragma once

#include "app/programfolders.h"
#include "batch/batchjob.h"
#include "batch/batchoptions.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTextStream>

class QEventLoop;
class QProcess;

namespace weftara::batch {

// The exit codes of weftara-batch.
enum class ExitCode { Done = 0, SomeFailed = 1, BadArguments = 2, Interrupted = 130 };

// Runs this shard's jobs on worker processes (one picture per worker at a
// time, as many workers as asked or as there are cores), reports progress
// and each failure on `report`, and writes the contact sheet at the end.
class BatchRun : public QObject
{
    Q_OBJECT

public:
    BatchRun(const BatchOptions &options, QList<BatchJob> jobs, QList<qsizetype> shard, QTextStream &report);

    ExitCode run();

private:
    qsizetype defaultWorkers() const;
    void startWorker();
    void giveNextJob(QProcess *worker);
    void onWorkerOutput(QProcess *worker);
    void onWorkerEnded(QProcess *worker);
    void finish(qsizetype job, const QString &failure);
    bool writeSheet();

    BatchOptions m_options;
    QList<BatchJob> m_jobs;
    QList<qsizetype> m_shard;
    QTextStream &m_report;
    qsizetype m_nextJob = 0;                // into m_shard
    qsizetype m_finished = 0;
    qsizetype m_failed = 0;
    QHash<QProcess *, qsizetype> m_running; // the job each worker weaves, or -1
    QHash<QProcess *, qint64> m_pids;       // kept for after the worker has ended
    QEventLoop *m_loop = nullptr;
    QList<bool> m_written;                  // by job index
};

// The worker's side: reads job numbers from stdin, one a line, weaves each
// and answers "ok N" or "failed N message" on stdout. Ends at the end of
// stdin.
int runWorker(const BatchOptions &options, const app::ProgramFolders &folders, const QStringList &recipeBlock,
              const QList<BatchJob> &jobs);

} // namespace weftara::batch
