#include "platform/picturememory.h"

#include <QFile>
#include <QWidget>

#include <algorithm>
#include <atomic>

namespace weftara::platform {

namespace {

// A picture is held about four times over while an operation runs: shown,
// as its hidden copy, on a scratch surface or in the engine's buffer, four
// bytes a pixel each time.
constexpr qint64 BytesPerPixelHeld = 4 * 4;

std::atomic<qint64> pixelCap{0};

// The first number in the file, or -1.
qint64 numberIn(const QString &path, QByteArrayView key = {})
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QByteArray text = file.read(1 << 16);
    if (!key.isEmpty()) {
        const qsizetype at = text.indexOf(key);
        if (at < 0)
            return -1;
        text = text.mid(at + key.size());
    }
    bool ok = false;
    const qint64 value = text.trimmed().split(' ').value(0).toLongLong(&ok);
    return ok ? value : -1;
}

// Memory free for this program now, in bytes; -1 when the system does not
// say. A container's own limit counts too.
qint64 availableMemory()
{
    qint64 available = -1;
    const qint64 kilobytes = numberIn(QStringLiteral("/proc/meminfo"), "MemAvailable:");
    if (kilobytes >= 0)
        available = kilobytes * 1024;
    const qint64 groupMax = numberIn(QStringLiteral("/sys/fs/cgroup/memory.max"));
    const qint64 groupUsed = numberIn(QStringLiteral("/sys/fs/cgroup/memory.current"));
    if (groupMax > 0 && groupUsed >= 0) {
        const qint64 groupFree = std::max<qint64>(0, groupMax - groupUsed);
        available = available < 0 ? groupFree : std::min(available, groupFree);
    }
    return available;
}

} // namespace

qint64 picturePixelLimit(qint64 availableBytes)
{
    if (availableBytes < 0)
        return MaxPicturePixels;
    return std::min(MaxPicturePixels, availableBytes / BytesPerPixelHeld);
}

bool pictureFits(QSize size)
{
    if (size.isEmpty())
        return true;
    if (size.width() > QWIDGETSIZE_MAX || size.height() > QWIDGETSIZE_MAX)
        return false;
    const qint64 pixels = qint64(size.width()) * size.height();
    const qint64 cap = pixelCap.load();
    if (cap > 0 && pixels > cap)
        return false;
    return pixels <= picturePixelLimit(availableMemory());
}

QString pictureTooLargeMessage(QSize size)
{
    return QStringLiteral("画像が大きすぎて、このコンピューターのメモリーでは扱えません（%1 × %2 ピクセル）。"
                          "元の画像はそのままです。")
        .arg(size.width())
        .arg(size.height());
}

void setPicturePixelCap(qint64 pixels)
{
    pixelCap.store(std::max<qint64>(0, pixels));
}

} // namespace weftara::platform
