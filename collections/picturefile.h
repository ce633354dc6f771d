#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace weftara::collections {

enum class PictureError {
    None,
    Missing,     // no file at the path (or the path names a folder)
    Unreadable,  // the file exists but cannot be opened
    NotAPicture, // no picture format recognises the contents
    Corrupt,     // recognised, but the picture data cannot be decoded
};

// A picture read from a file, always in Format_RGB32; null on failure.
struct PictureFile
{
    QImage image;
    PictureError error = PictureError::None;

    bool ok() const { return error == PictureError::None; }
};

// Reads a picture file of any format Qt knows (BMP, JPEG, PNG, GIF ...),
// recognised by its contents. Transparent parts are laid over white.
PictureFile readPictureFile(const QString &path);

// Reads the picture stretched whole to `size` (aspect ratio not kept). JPEG
// decodes at reduced scale, which skips most of the work for large files.
// An empty size reads the picture at its own size.
PictureFile readPictureScaled(const QString &path, QSize size);

} // namespace weftara::collections
