#include "output/picturesave.h"

#include "output/rgbimage.h"
#include "platform/dialogs.h"
#include "platform/surface.h"
#include "recipes/picturerecipe.h"
#include "workspace/workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace weftara::output {

namespace {

constexpr int JpegQuality = 70;
// What fits into one comment after the key and ": ".
constexpr qsizetype MaxRecipeBytes = 65000;

QString jpegEnding()
{
    return QStringLiteral("jpg");
}

QString bmpEnding()
{
    return QStringLiteral("bmp");
}

QString nothingToSaveMessage()
{
    return QStringLiteral("保存する絵がありません。");
}

QString endingsMessage(bool jpeg)
{
    return jpeg ? QStringLiteral("保存できるのは「.jpg」と「.bmp」のファイルだけです。")
                : QStringLiteral("保存できるのは「.bmp」のファイルだけです。");
}

QString notWrittenMessage(const QString &fileName)
{
    return QStringLiteral("「%1」に保存できませんでした。フォルダーがあるか、書き込めるか、空きがあるかを確かめてください。")
        .arg(QDir::toNativeSeparators(fileName));
}

bool writePicture(const QImage &picture, const QString &fileName, SaveFormat format, const QStringList &log = {})
{
    if (picture.isNull())
        return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!encodePicture(picture, file, format, log)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

bool encodePicture(const QImage &picture, QIODevice &device, SaveFormat format, const QStringList &log)
{
    if (picture.isNull())
        return false;
    const bool jpeg = format == SaveFormat::Jpeg;
    QImageWriter writer(&device, jpeg ? "jpeg" : "bmp");
    writer.setQuality(jpeg ? JpegQuality : -1);
    QImage written = rgbImage(picture);
    // A JPEG comment holds at most 65533 bytes; a log that long is left out
    // rather than cut into a recipe that replays something else. The text
    // goes on the image, not the writer, which would fold its lines.
    const QByteArray recipe = log.join(u'\n').toUtf8();
    if (jpeg && !log.isEmpty() && recipe.size() <= MaxRecipeBytes)
        written.setText(recipes::pictureRecipeKey(), QString::fromUtf8(recipe));
    return writer.write(written);
}

bool jpegWritable()
{
    return QImageWriter::supportedImageFormats().contains("jpeg");
}

QStringList saveFilters(bool jpeg)
{
    QStringList filters;
    if (jpeg)
        filters << QStringLiteral("JPGファイル (*.jpg)");
    filters << QStringLiteral("BMPファイル (*.bmp)");
    return filters;
}

QImage pictureToSave(workspace::Workspace &ws)
{
    const workspace::Picture picture = ws.selectedPicture().value_or(workspace::Picture::Base);
    return ws.picture(picture).image();
}

bool saveJpeg(const QImage &picture, const QString &fileName, const QStringList &log)
{
    return writePicture(picture, fileName, SaveFormat::Jpeg, log);
}

bool saveBmp(const QImage &picture, const QString &fileName)
{
    return writePicture(picture, fileName, SaveFormat::Bmp);
}

void savePicture(workspace::Workspace &ws)
{
    platform::Dialogs &dialogs = ws.dialogs();
    const QImage picture = pictureToSave(ws);
    if (picture.isNull()) {
        dialogs.message(nothingToSaveMessage());
        return;
    }
    const bool jpeg = jpegWritable();
    const std::optional<platform::SaveChoice> choice = dialogs.chooseSaveFile(QStringLiteral("保存"), saveFilters(jpeg));
    if (!choice || choice->fileName.isEmpty())
        return;

    QString fileName = choice->fileName;
    QString ending = QFileInfo(fileName).suffix().toLower();
    if (ending.isEmpty()) {
        ending = jpeg && choice->filter == 0 ? jpegEnding() : bmpEnding();
        if (!fileName.endsWith(u'.'))
            fileName += u'.';
        fileName += ending;
    }

    bool written = false;
    if (ending == jpegEnding() && jpeg) {
        written = saveJpeg(picture, fileName, ws.log().lines());
    } else if (ending == bmpEnding()) {
        written = saveBmp(picture, fileName);
    } else {
        dialogs.message(endingsMessage(jpeg));
        return;
    }
    if (!written)
        dialogs.message(notWrittenMessage(fileName));
}

} // namespace weftara::output
