#include "fuzzfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

QString fuzzFolder()
{
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/weftara-fuzz-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/weftara-fuzz-XXXXXX"));
    if (!folder.isValid())
        fuzzFinding("no folder for the run's files");
    return folder.path();
}

void writeFuzzFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fuzzFinding("cannot write the run's file");
}

QByteArray readFuzzFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray bytesOf(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

void fuzzFinding(const char *what)
{
    std::fprintf(stderr, "Property does not hold: %s\n", what);
    std::abort();
}
