#include "collections/testfiles.h"

#include "heif/heifwriter.h"

#include <QFile>
#include <QFileInfo>

#include <cstdlib>

namespace weftara::testing {

bool writeSolidPicture(const QString &path, QSize size, const QColor &colour, QByteArray format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    if (format.isEmpty())
        format = QFileInfo(path).suffix().toLower().toLatin1();
    if (format == "heic")
        return heif::writeHeif(path, image);
    return image.save(path, format.constData(), 95);
}

QColor distinctColour(int index)
{
    // Hues 47 degrees apart, three lightness steps: no two of the first 40
    // are within 20 of each other in every channel.
    return QColor::fromHsv((index * 47) % 360, 255, 255 - (index % 3) * 70);
}

bool nearColour(QRgb actual, const QColor &expected, int tolerance)
{
    return std::abs(qRed(actual) - expected.red()) <= tolerance
        && std::abs(qGreen(actual) - expected.green()) <= tolerance
        && std::abs(qBlue(actual) - expected.blue()) <= tolerance;
}

} // namespace weftara::testing
