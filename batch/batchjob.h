#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace weftara::batch {

// One woven picture to make: the base (and the pattern, if one replaces the
// recipe's) and the file name it is written under.
struct BatchJob
{
    QString base;
    QString pattern; // empty: the recipe's own pattern
    QString outputName;
};

// One job per base, or per base × pattern pair (bases outer), in order.
// Output names are made of the inputs' names ("sunset.jpg",
// "sunset+stripes.jpg"); a name that comes twice gets "-2", "-3"… so that
// every job has a file of its own, the same in every shard.
QList<BatchJob> makeJobs(const QStringList &bases, const QStringList &patterns, const QString &ending);

// The input a job would write over when the output folder holds the
// inputs themselves; empty when none.
QString inputOverwritten(const QList<BatchJob> &jobs, const QString &outFolder);

// The jobs of shard k of n (1-based): every n-th job, starting with the k-th.
QList<qsizetype> shardOf(qsizetype jobCount, int k, int n);

// The recipe block with the job's base on every base line and, when the
// job has one, its pattern on every pattern line.
QStringList blockForJob(const QStringList &block, const BatchJob &job);

} // namespace weftara::batch
