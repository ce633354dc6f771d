#include "recipes/picturerecipe.h"

#include "recipes/loggroups.h"
#include "recipes/recipekeys.h"

#include <QFile>
#include <QFileInfo>

namespace weftara::recipes {

QString pictureRecipeKey()
{
    return QStringLiteral("Weftara");
}

namespace {

// The text of our comment in a JPEG's header, read marker by marker up to
// the start of the pixel data. (Qt's reader gives comments only with their
// line ends folded into blanks.)
QByteArray recipeComment(QIODevice &file)
{
    const QByteArray prefix = pictureRecipeKey().toUtf8() + ": ";
    if (file.read(2) != QByteArrayLiteral("\xFF\xD8"))
        return {};
    for (;;) {
        const QByteArray marker = file.read(4);
        if (marker.size() < 4 || quint8(marker[0]) != 0xFF)
            return {};
        const auto type = quint8(marker[1]);
        const int length = (quint8(marker[2]) << 8 | quint8(marker[3])) - 2;
        // Start of scan, or an end of image before it: no more markers.
        if (type == 0xDA || type == 0xD9 || length < 0)
            return {};
        const QByteArray segment = file.read(length);
        if (segment.size() < length)
            return {};
        if (type == 0xFE && segment.startsWith(prefix))
            return segment.sliced(prefix.size());
    }
}

} // namespace

QStringList readPictureRecipe(const QString &fileName)
{
    // A folder (a snapshot loads with the fallback folder for its path) or a
    // missing file is not asked to open.
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(recipeComment(file));
    QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    for (QString &line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    // Without a base picture there is nothing to weave; such a comment is
    // not one of ours.
    for (const QString &line : lines)
        if (line.startsWith(BaseKey))
            return lines;
    return {};
}

QStringList recipeBlockOf(const QString &name, const QStringList &logLines)
{
    QStringList block{headerPrefix() + name};
    block += logLines;
    block.append(endLine());
    return block;
}

} // namespace weftara::recipes
