#include "output/pagelayout.h"

#include "platform/numbertext.h"
#include "platform/twips.h"

#include <algorithm>
#include <cmath>

namespace weftara::output {

const QStringList &paperEntries()
{
    static const QStringList entries{
        QStringLiteral("はがき縦　, 100 , 148"),
        QStringLiteral("はがき横　, 148 , 100"),
        QStringLiteral("Ａ４縦　  , 210 , 296"),
        QStringLiteral("Ａ４横　  , 296 , 210"),
    };
    return entries;
}

PaperEntry splitPaperEntry(const QString &entry)
{
    const QStringList fields = entry.split(u',');
    return {fields.value(0), fields.value(1), fields.value(2)};
}

double paperMillimetres(const QString &text)
{
    const double value = platform::readNumber(text);
    if (!(value > 0))
        return 0.0;
    return std::min(value, MaxPaperMillimetres);
}

QSize previewSize(QSizeF paper)
{
    // 50 twips to the millimetre, rounded to whole pixels as every twip
    // size is.
    const auto side = [](double millimetres) { return platform::twipsToPixels(millimetres * 50.0); };
    return {side(paper.width()), side(paper.height())};
}

QRectF picturePlace(QSize picture, int percent, int left, int top)
{
    const double scale = MillimetresPerPixel * percent / 100.0;
    return {double(left), double(top), picture.width() * scale, picture.height() * scale};
}

QRectF composedPagePlace(QSize page)
{
    return {0.0, 0.0, page.width() / PreviewPixelsPerMillimetre, page.height() / PreviewPixelsPerMillimetre};
}

QRectF inPreviewPixels(const QRectF &millimetres)
{
    const double k = PreviewPixelsPerMillimetre;
    return {millimetres.x() * k, millimetres.y() * k, millimetres.width() * k, millimetres.height() * k};
}

} // namespace weftara::output
