#include "platform/filenames.h"

#include "platform/programfolder.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace weftara::platform {

namespace {

constexpr char16_t KeptByte = 0xDC00;

// The length of the valid UTF-8 sequence at `at`, or 0.
qsizetype utf8Length(QByteArrayView bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return i < bytes.size() ? uchar(bytes[i]) : 0u; };
    const auto trailing = [&](qsizetype i) { return (byte(i) & 0xC0) == 0x80; };
    const uchar lead = byte(at);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return trailing(at + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const uchar second = byte(at + 1);
        // No overlong forms and no surrogates.
        const bool valid = (lead != 0xE0 || second >= 0xA0) && (lead != 0xED || second < 0xA0);
        return valid && trailing(at + 1) && trailing(at + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const uchar second = byte(at + 1);
        const bool valid = (lead != 0xF0 || second >= 0x90) && (lead != 0xF4 || second < 0x90);
        return valid && trailing(at + 1) && trailing(at + 2) && trailing(at + 3) ? 4 : 0;
    }
    return 0;
}

bool isKeptByte(QChar c)
{
    return c.unicode() >= KeptByte + 0x80 && c.unicode() <= KeptByte + 0xFF;
}

bool statFile(const QString &path, struct stat &status)
{
    const QByteArray native = encodeFileName(path);
    return !native.isEmpty() && !native.contains('\0') && ::stat(native.constData(), &status) == 0;
}

} // namespace

QString decodeFileName(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype length = utf8Length(bytes, at);
        if (length == 0) {
            name += QChar(char16_t(KeptByte + uchar(bytes[at])));
            ++at;
        } else {
            name += QString::fromUtf8(bytes.sliced(at, length));
            at += length;
        }
    }
    return name;
}

QByteArray encodeFileName(QStringView name)
{
    QByteArray bytes;
    bytes.reserve(name.size() * 3);
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !isKeptByte(name[i]))
            continue;
        bytes += name.sliced(start, i - start).toUtf8();
        if (i < name.size())
            bytes += char(name[i].unicode() - KeptByte);
        start = i + 1;
    }
    return bytes;
}

QString displayFileName(QString name)
{
    for (QChar &c : name)
        if (isKeptByte(c))
            c = QChar::ReplacementCharacter;
    return name;
}

std::optional<QStringList> filesInFolder(const QString &folder)
{
    const QByteArray native = encodeFileName(folder);
    if (native.isEmpty() || native.contains('\0'))
        return std::nullopt;
    DIR *dir = ::opendir(native.constData());
    if (!dir)
        return std::nullopt;
    QStringList paths;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const QString path = joinPath(folder, decodeFileName(entry->d_name));
        if (isFile(path))
            paths << path;
    }
    ::closedir(dir);
    return paths;
}

bool isFile(const QString &path)
{
    struct stat status {};
    return statFile(path, status) && S_ISREG(status.st_mode);
}

bool openForReading(QFile &file, const QString &path)
{
    const QByteArray native = encodeFileName(path);
    if (native.isEmpty() || native.contains('\0'))
        return false;
    const int descriptor = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return false;
    }
    return true;
}

} // namespace weftara::platform
