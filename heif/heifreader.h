#pragma once

#include "heif/heifowned.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

#include <libheif/heif.h>

namespace weftara::heif {

// True when `head`, the first bytes of a file (64 are plenty), starts a HEIF
// container: HEIC from phones, other HEIF and AVIF.
bool isHeif(QByteArrayView head);

// Reads the primary picture of a HEIF file. Rotation and mirroring stored in
// the file are applied, so size() and read() are upright.
class HeifReader
{
public:
    explicit HeifReader(const QString &path);
    ~HeifReader();
    HeifReader(const HeifReader &) = delete;
    HeifReader &operator=(const HeifReader &) = delete;

    // False when the file's structure cannot be read (damaged, cut short).
    bool isOpen() const { return m_primary != nullptr; }
    QSize size() const;

    // The picture in Format_RGB888 or Format_RGBA8888, tagged with the colour
    // space the file names; null when it cannot be decoded or does not state
    // its size (size() is empty). A thumbnail stored in the file stands in
    // when it is at least `enough` in both directions, which saves decoding
    // the whole picture.
    QImage read(QSize enough = QSize()) const;

private:
    using Handle = Owned<heif_image_handle, heif_image_handle_release>;
    struct Item
    {
        Handle handle;
        heif_item_id id = 0;
    };

    Item thumbnailOfAtLeast(QSize enough) const;

    QByteArray m_file; // the whole file, which libheif reads without a copy
    Owned<heif_context, heif_context_free> m_context;
    Handle m_primary;
};

} // namespace weftara::heif
