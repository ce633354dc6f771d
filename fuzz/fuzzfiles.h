#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// A folder of its own for the run's files, in memory where the system has
// one; it lives as long as the process.
QString fuzzFolder();

// Writes the bytes to the file, replacing it; aborts the run when it cannot.
void writeFuzzFile(const QString &path, const QByteArray &bytes);
QByteArray readFuzzFile(const QString &path);

QByteArray bytesOf(const std::uint8_t *data, std::size_t size);

// Ends the run with a finding: the property `what` does not hold.
[[noreturn]] void fuzzFinding(const char *what);
#define FUZZ_CHECK(condition)                                                                                         \
    do {                                                                                                              \
        if (!(condition))                                                                                             \
            fuzzFinding(#condition);                                                                                  \
    } while (false)
