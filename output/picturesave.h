#pragma once

#include <QIODevice>
#include <QImage>
#include <QString>
#include <QStringList>

namespace weftara::workspace {
class Workspace;
} // namespace weftara::workspace

namespace weftara::output {

// Whether pictures can be written as JPEG here (Qt's JPEG plugin is there).
bool jpegWritable();

// The save dialog's filters: "JPGファイル (*.jpg)" then "BMPファイル (*.bmp)",
// or the BMP filter alone when JPEG cannot be written.
QStringList saveFilters(bool jpeg);

// The picture the selected tab shows, as shown (toned, recoloured, zoomed,
// with its text); the base picture when a collection tab is selected.
QImage pictureToSave(workspace::Workspace &ws);

// Writes `picture` as a JPEG of quality 70, or as an uncompressed 24-bit
// BMP. The file is replaced only once the new one is written whole; false
// when it could not be written (the old file, if any, is then untouched).
// A JPEG carries `log`, the operation log that made the picture, in its
// comment (recipes/picturerecipe.h); BMP has no place for it.
bool saveJpeg(const QImage &picture, const QString &fileName, const QStringList &log = {});
bool saveBmp(const QImage &picture, const QString &fileName);

enum class SaveFormat { Jpeg, Bmp };

// Writes `picture` to `device` byte for byte as saveJpeg or saveBmp write
// it (`log` goes into a JPEG only).
bool encodePicture(const QImage &picture, QIODevice &device, SaveFormat format, const QStringList &log = {});

// Menu "絵の保存(&A)...": asks for a file name and saves the shown picture as
// its ending says. A name without an ending gets the chosen filter's; a
// name with an ending it cannot write, or a file that cannot be written,
// is reported and nothing is written.
void savePicture(workspace::Workspace &ws);

} // namespace weftara::output
