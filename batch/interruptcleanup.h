#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace weftara::batch {

// An interrupted run (Ctrl+C, SIGTERM, SIGHUP) leaves no half-written file:
// the file being written is removed and the workers are told to stop, then
// the process ends with 130. Only async-signal-safe calls run in the handler.
void installInterruptCleanup();

// The workers the handler passes the signal on to.
void addWorker(pid_t pid);
void removeWorker(pid_t pid);

// Writes `bytes` into a hidden file beside `fileName` and renames it over
// `fileName`, so that the name never holds a part of a picture. False when
// the folder cannot be written or the disk is full (nothing is left then).
bool writeAtomically(const QString &fileName, const QByteArray &bytes);

} // namespace weftara::batch
