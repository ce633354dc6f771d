#include "batch/interruptcleanup.h"

#include <QFileInfo>

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>

#include <cerrno>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace weftara::batch {

namespace {

constexpr std::size_t MaxWorkers = 256;
std::array<std::atomic<pid_t>, MaxWorkers> workers{};

// The hidden file being written, for the handler; empty between writes.
char pendingFile[4096];
std::atomic<bool> pending{false};

extern "C" void onInterrupt(int signal)
{
    if (pending.load())
        ::unlink(pendingFile);
    for (const std::atomic<pid_t> &worker : workers)
        if (const pid_t pid = worker.load(); pid > 0)
            ::kill(pid, signal);
    // The run is over only once every worker has removed its own file.
    for (const std::atomic<pid_t> &worker : workers)
        if (const pid_t pid = worker.load(); pid > 0)
            while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
            }
    ::_exit(130);
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(left));
        if (written < 0)
            return false;
        data += written;
        left -= written;
    }
    return ::fsync(fd) == 0;
}

} // namespace

void installInterruptCleanup()
{
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

void addWorker(pid_t pid)
{
    for (std::atomic<pid_t> &worker : workers) {
        pid_t empty = 0;
        if (worker.compare_exchange_strong(empty, pid))
            return;
    }
}

void removeWorker(pid_t pid)
{
    for (std::atomic<pid_t> &worker : workers) {
        pid_t found = pid;
        if (worker.compare_exchange_strong(found, 0))
            return;
    }
}

bool writeAtomically(const QString &fileName, const QByteArray &bytes)
{
    const QFileInfo target(fileName);
    const QByteArray finalPath = QFile::encodeName(target.absoluteFilePath());
    const QByteArray hiddenPath = QFile::encodeName(target.absolutePath() + QStringLiteral("/.")
                                                    + target.fileName() + QStringLiteral(".part")
                                                    + QString::number(::getpid()));
    if (std::size_t(hiddenPath.size()) >= sizeof pendingFile)
        return false;
    std::memcpy(pendingFile, hiddenPath.constData(), std::size_t(hiddenPath.size()) + 1);
    pending = true;
    const int fd = ::open(hiddenPath.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    bool done = fd >= 0 && writeAll(fd, bytes);
    if (fd >= 0)
        done = ::close(fd) == 0 && done;
    done = done && ::rename(hiddenPath.constData(), finalPath.constData()) == 0;
    if (!done)
        ::unlink(hiddenPath.constData());
    pending = false;
    return done;
}

} // namespace weftara::batch
