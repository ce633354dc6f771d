#include "batch/batchjob.h"

#include "recipes/loggroups.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace weftara::batch {

QList<BatchJob> makeJobs(const QStringList &bases, const QStringList &patterns, const QString &ending)
{
    QList<BatchJob> jobs;
    QSet<QString> taken;
    const auto add = [&](const QString &base, const QString &pattern) {
        QString stem = QFileInfo(base).completeBaseName();
        if (!pattern.isEmpty())
            stem += u'+' + QFileInfo(pattern).completeBaseName();
        QString name = stem + u'.' + ending;
        for (int n = 2; taken.contains(name.toLower()); ++n)
            name = stem + u'-' + QString::number(n) + u'.' + ending;
        taken.insert(name.toLower());
        jobs.append({base, pattern, name});
    };
    for (const QString &base : bases) {
        if (patterns.isEmpty())
            add(base, {});
        for (const QString &pattern : patterns)
            add(base, pattern);
    }
    return jobs;
}

QString inputOverwritten(const QList<BatchJob> &jobs, const QString &outFolder)
{
    QSet<QString> inputs;
    for (const BatchJob &job : jobs)
        for (const QString &input : {job.base, job.pattern})
            if (!input.isEmpty())
                inputs.insert(QFileInfo(input).absoluteFilePath().toLower());
    for (const BatchJob &job : jobs) {
        const QString output = QFileInfo(QDir(outFolder).filePath(job.outputName)).absoluteFilePath();
        if (inputs.contains(output.toLower()))
            return output;
    }
    return {};
}

QList<qsizetype> shardOf(qsizetype jobCount, int k, int n)
{
    QList<qsizetype> indices;
    for (qsizetype i = k - 1; i < jobCount; i += n)
        indices.append(i);
    return indices;
}

QStringList blockForJob(const QStringList &block, const BatchJob &job)
{
    QStringList lines = block;
    for (QString &line : lines) {
        if (line.startsWith(recipes::BaseKey))
            line = recipes::BaseKey.toString() + job.base;
        else if (!job.pattern.isEmpty() && line.startsWith(recipes::PatternKey))
            line = recipes::PatternKey.toString() + job.pattern;
    }
    return lines;
}

} // namespace weftara::batch
