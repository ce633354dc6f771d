#pragma once

#include <QImage>
#include <QString>

class QFileInfo;

namespace weftara::collections {

// The thumbnail cache that desktop file managers share
// ($XDG_CACHE_HOME/thumbnails/normal): one PNG of at most 128 × 128 pixels
// per picture, named after the MD5 of the picture's file URI and holding
// that URI and the picture's modification time, so that an entry made for
// an earlier version of the file is recognised as stale.
//
// find() and store() may run on several threads at once.
class ThumbnailCache
{
public:
    static constexpr int Size = 128;

    // A cache in `folder`; an empty folder gives a cache that finds nothing
    // and stores nothing.
    explicit ThumbnailCache(QString folder);

    // The user's own cache, where other programs look.
    static ThumbnailCache standard();

    const QString &folder() const { return m_folder; }

    // "file:///..." of the picture, as the entries name it.
    static QByteArray uriOf(const QString &picturePath);
    // The entry's path for the picture (whether or not it exists).
    QString entryPath(const QString &picturePath) const;

    // The picture's thumbnail when the cache holds one made from the file as
    // it is now; a null image otherwise.
    QImage find(const QFileInfo &picture) const;

    // Stores `thumbnail` (at most Size × Size) as the picture's entry,
    // replacing an older one. False when the cache cannot be written, which
    // costs nothing but the next read.
    bool store(const QFileInfo &picture, const QImage &thumbnail) const;

    // Pictures that fit in a thumbnail are read directly, as are the
    // cache's own files.
    bool wants(const QFileInfo &picture, QSize pictureSize) const;

private:
    QString m_folder;
};

} // namespace weftara::collections
