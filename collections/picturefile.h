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
    TooLarge,    // larger than the machine can sensibly hold (platform/picturememory.h)
};

// A picture read from a file, always in Format_RGB32, upright as its
// orientation data asks and in sRGB colours; null on failure.
struct PictureFile
{
    QImage image;
    PictureError error = PictureError::None;
    QSize fullSize; // the picture's own size, upright, when known (also when it is too large)

    bool ok() const { return error == PictureError::None; }
};

// Reads a picture file of any format Qt's image plugins know (JPEG, PNG, BMP,
// GIF, WebP, TIFF ...) or HEIC/HEIF, recognised by its contents whatever its
// name. Transparent parts are laid over white. Every picture the program
// shows or weaves is read here, so all of them are turned and converted
// alike.
PictureFile readPictureFile(const QString &path);

// True when the file's first bytes are those of a picture format the
// readers know; nothing is decoded.
bool looksLikePicture(const QString &path);

// Reads the picture stretched whole to `size` (aspect ratio not kept). JPEG
// decodes at reduced scale, which skips most of the work for large files;
// HEIC uses the thumbnail stored in the file when it is at least `size`.
// An empty size reads the picture at its own size. A picture too large to be
// read whole is refused here too, so that a collection never shows a picture
// that cannot be loaded.
PictureFile readPictureScaled(const QString &path, QSize size);

// Reads the picture at the largest size of its own shape within `bound`
// (at its own size when it is smaller), decoding at reduced scale as
// readPictureScaled does.
PictureFile readPictureWithin(const QString &path, QSize bound);

// A decoded image made into a picture as the readers make them: stretched
// to `size` unless that is invalid, Format_RGB32, sRGB, transparent parts
// over white.
PictureFile pictureFromImage(QImage image, QSize size);

} // namespace weftara::collections
