#include "collections/thumbnailcache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include <utility>

namespace weftara::collections {

namespace {

constexpr auto UriKey = "Thumb::URI";
constexpr auto ModifiedKey = "Thumb::MTime";
constexpr auto SizeKey = "Thumb::Size";

QString modificationTime(const QFileInfo &picture)
{
    return QString::number(picture.lastModified().toSecsSinceEpoch());
}

} // namespace

ThumbnailCache::ThumbnailCache(QString folder)
    : m_folder(std::move(folder))
{
}

ThumbnailCache ThumbnailCache::standard()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return ThumbnailCache(cache.isEmpty() ? QString() : cache + QStringLiteral("/thumbnails/normal"));
}

QByteArray ThumbnailCache::uriOf(const QString &picturePath)
{
    return QUrl::fromLocalFile(QFileInfo(picturePath).absoluteFilePath()).toEncoded();
}

QString ThumbnailCache::entryPath(const QString &picturePath) const
{
    const QByteArray md5 = QCryptographicHash::hash(uriOf(picturePath), QCryptographicHash::Md5).toHex();
    return m_folder + u'/' + QString::fromLatin1(md5) + QStringLiteral(".png");
}

bool ThumbnailCache::wants(const QFileInfo &picture, QSize pictureSize) const
{
    if (m_folder.isEmpty())
        return false;
    if (pictureSize.isValid() && pictureSize.width() <= Size && pictureSize.height() <= Size)
        return false;
    // Thumbnails of thumbnails would only grow the cache.
    const QString cacheRoot = QFileInfo(m_folder).absolutePath() + u'/';
    return !picture.absoluteFilePath().startsWith(cacheRoot);
}

QImage ThumbnailCache::find(const QFileInfo &picture) const
{
    if (m_folder.isEmpty())
        return {};
    QImageReader reader(entryPath(picture.filePath()), "png");
    QImage entry = reader.read();
    // Another file whose URI has the same MD5, or an entry made before the
    // file last changed, is not this picture's thumbnail.
    if (entry.isNull() || entry.text(QString::fromLatin1(UriKey)).toUtf8() != uriOf(picture.filePath())
        || entry.text(QString::fromLatin1(ModifiedKey)) != modificationTime(picture)
        || entry.width() > Size || entry.height() > Size)
        return {};
    return entry;
}

bool ThumbnailCache::store(const QFileInfo &picture, const QImage &thumbnail) const
{
    if (m_folder.isEmpty() || thumbnail.isNull())
        return false;
    // The cache is private to the user: the folders made for it (also the
    // "thumbnails" folder above the size folders) are his alone.
    const QString top = QFileInfo(m_folder).absolutePath();
    for (const QString &folder : {top, m_folder}) {
        if (QFileInfo::exists(folder))
            continue;
        if (!QDir().mkpath(folder))
            return false;
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QImage entry = thumbnail;
    entry.setText(QString::fromLatin1(UriKey), QString::fromLatin1(uriOf(picture.filePath())));
    entry.setText(QString::fromLatin1(ModifiedKey), modificationTime(picture));
    entry.setText(QString::fromLatin1(SizeKey), QString::number(picture.size()));
    entry.setText(QStringLiteral("Software"), QStringLiteral("Weftara"));

    // Written whole under another name and renamed, so that a reader never
    // sees half an entry.
    QSaveFile file(entryPath(picture.filePath()));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QImageWriter writer(&file, "png");
    return writer.write(entry) && file.commit();
}

} // namespace weftara::collections
