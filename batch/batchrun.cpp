#include "batch/batchrun.h"

#include "batch/batchweaver.h"
#include "batch/contactsheet.h"
#include "batch/interruptcleanup.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QThread>

#include <optional>


namespace weftara::batch {

namespace {

QString inputsOf(const BatchJob &job)
{
    QString inputs = QDir::toNativeSeparators(job.base);
    if (!job.pattern.isEmpty())
        inputs += QStringLiteral(" × ") + QDir::toNativeSeparators(job.pattern);
    return inputs;
}

// What one worker holds at most: the window's pictures, their hidden copies
// and scratch surfaces, and the file being encoded (measured: about 460 MB
// for a base of 4000 x 3000).
constexpr qint64 WorkerBytesPerPixel = 40;
constexpr qint64 WorkerBaseBytes = 100 << 20;

// The memory the system can still give, from /proc/meminfo; none where
// that is not known.
std::optional<qint64> availableBytes()
{
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (!meminfo.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    while (!meminfo.atEnd()) {
        const QByteArray line = meminfo.readLine();
        if (line.startsWith("MemAvailable:"))
            return line.mid(13).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return std::nullopt;
}

} // namespace

// One worker per core, but no more than fit into memory with the largest
// base, so that a many-core machine with little memory does not swap.
qsizetype BatchRun::defaultWorkers() const
{
    qsizetype workers = QThread::idealThreadCount();
    qint64 largest = 0;
    for (const qsizetype job : m_shard) {
        const QSize size = QImageReader(m_jobs[job].base).size();
        largest = std::max(largest, qint64(size.width()) * size.height());
    }
    if (const std::optional<qint64> available = availableBytes())
        workers = std::min<qsizetype>(workers, *available / (WorkerBaseBytes + largest * WorkerBytesPerPixel));
    return std::max<qsizetype>(1, workers);
}

BatchRun::BatchRun(const BatchOptions &options, QList<BatchJob> jobs, QList<qsizetype> shard, QTextStream &report)
    : m_options(options)
    , m_jobs(std::move(jobs))
    , m_shard(std::move(shard))
    , m_report(report)
{
}

ExitCode BatchRun::run()
{
    if (!QDir().mkpath(m_options.outFolder)) {
        m_report << QStringLiteral("フォルダー「%1」を作れません。").arg(QDir::toNativeSeparators(m_options.outFolder))
                 << Qt::endl;
        return ExitCode::BadArguments;
    }
    m_written.fill(false, m_jobs.size());
    const qsizetype workers = std::min<qsizetype>(m_options.jobs > 0 ? m_options.jobs : defaultWorkers(), m_shard.size());
    QEventLoop loop;
    m_loop = &loop;
    for (qsizetype i = 0; i < workers; ++i)
        startWorker();
    if (!m_running.isEmpty())
        loop.exec();
    m_loop = nullptr;
    // Jobs no worker could take (none would start) count as failed.
    while (m_nextJob < m_shard.size())
        finish(m_shard[m_nextJob++], QStringLiteral("作業のプロセスを起動できません。"));

    bool sheetWritten = true;
    if (!m_options.sheetFile.isEmpty())
        sheetWritten = writeSheet();
    m_report << QStringLiteral("%1 枚を織りました").arg(m_finished - m_failed);
    if (m_failed > 0)
        m_report << QStringLiteral("、%1 枚は失敗しました").arg(m_failed);
    m_report << QStringLiteral("。") << Qt::endl;
    return m_failed > 0 || !sheetWritten ? ExitCode::SomeFailed : ExitCode::Done;
}

void BatchRun::startWorker()
{
    auto *worker = new QProcess(this);
    worker->setProgram(QCoreApplication::applicationFilePath());
    worker->setArguments(QCoreApplication::arguments().mid(1) << QStringLiteral("--worker"));
    worker->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(worker, &QProcess::readyReadStandardOutput, this, [this, worker] { onWorkerOutput(worker); });
    connect(worker, &QProcess::finished, this, [this, worker] { onWorkerEnded(worker); });
    m_running.insert(worker, -1);
    worker->start();
    if (!worker->waitForStarted()) {
        m_report << QStringLiteral("作業のプロセスを起動できません: ") << worker->errorString() << Qt::endl;
        m_running.remove(worker);
        worker->deleteLater();
        return;
    }
    m_pids.insert(worker, worker->processId());
    addWorker(pid_t(worker->processId()));
    giveNextJob(worker);
}

void BatchRun::giveNextJob(QProcess *worker)
{
    if (m_nextJob >= m_shard.size()) {
        m_running[worker] = -1;
        worker->closeWriteChannel();
        return;
    }
    const qsizetype job = m_shard[m_nextJob++];
    m_running[worker] = job;
    worker->write(QByteArray::number(job) + '\n');
}

void BatchRun::onWorkerOutput(QProcess *worker)
{
    while (worker->canReadLine()) {
        const QString line = QString::fromUtf8(worker->readLine()).trimmed();
        const bool ok = line.startsWith(QLatin1String("ok "));
        const QStringList words = line.split(u' ');
        bool number = false;
        const qsizetype job = words.value(1).toLongLong(&number);
        if (!number || job != m_running.value(worker, -1))
            continue;
        m_running[worker] = -1;
        finish(job, ok ? QString() : line.section(u' ', 2));
        giveNextJob(worker);
    }
}

void BatchRun::onWorkerEnded(QProcess *worker)
{
    removeWorker(pid_t(m_pids.take(worker)));
    const qsizetype job = m_running.take(worker);
    if (job >= 0) {
        finish(job, QStringLiteral("作業のプロセスが途中で終わりました（終了コード %1）。").arg(worker->exitCode()));
        if (m_nextJob < m_shard.size())
            startWorker();
    }
    worker->deleteLater();
    if (m_running.isEmpty() && m_loop)
        m_loop->quit();
}

void BatchRun::finish(qsizetype job, const QString &failure)
{
    ++m_finished;
    const QString count = QStringLiteral("[%1/%2] ").arg(m_finished).arg(m_shard.size());
    if (failure.isEmpty()) {
        m_written[job] = true;
        m_report << count << m_jobs[job].outputName << Qt::endl;
    } else {
        ++m_failed;
        m_report << count << QStringLiteral("失敗 ") << inputsOf(m_jobs[job]) << QStringLiteral(": ") << failure
                 << Qt::endl;
    }
}

bool BatchRun::writeSheet()
{
    QStringList files;
    for (const qsizetype job : m_shard)
        if (m_written[job])
            files << QDir(m_options.outFolder).filePath(m_jobs[job].outputName);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QByteArray format = QFileInfo(m_options.sheetFile).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        format = "jpeg";
    QImageWriter writer(&buffer, format);
    writer.setQuality(90);
    if (!writer.write(contactSheet(files)) || !writeAtomically(m_options.sheetFile, bytes)) {
        m_report << QStringLiteral("一覧の絵「%1」を書けません。").arg(QDir::toNativeSeparators(m_options.sheetFile))
                 << Qt::endl;
        return false;
    }
    return true;
}

int runWorker(const BatchOptions &options, const app::ProgramFolders &folders, const QStringList &recipeBlock,
              const QList<BatchJob> &jobs)
{
    const BatchWeaver weaver(folders, recipeBlock, options.outFolder, options.format);
    QTextStream in(stdin);
    QTextStream out(stdout);
    QString line;
    while (in.readLineInto(&line)) {
        bool number = false;
        const qsizetype job = line.trimmed().toLongLong(&number);
        if (!number || job < 0 || job >= jobs.size())
            continue;
        QString failure = weaver.weave(jobs[job]);
        failure.replace(u'\n', u' ');
        out << (failure.isEmpty() ? QStringLiteral("ok %1").arg(job) : QStringLiteral("failed %1 %2").arg(job).arg(failure))
            << Qt::endl;
        // The window of the last picture is gone; what it left to be
        // deleted later goes now, not at the end of the run.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return 0;
}

} // namespace weftara::batch
