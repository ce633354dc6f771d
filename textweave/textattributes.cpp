#include "textweave/textattributes.h"

#include <QApplication>
#include <QFontDatabase>

#include <array>
#include <cmath>

namespace weftara::textweave {

QFont TextAttributes::font() const
{
    QFont font(fontName);
    font.setPointSizeF(double(fontSize));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

bool usableFontSize(double points)
{
    return std::isfinite(points) && points >= MinFontPoints && points <= MaxFontPoints;
}

QString defaultFontName()
{
    static constexpr std::array<const char *, 3> Preferred{"Noto Sans CJK JP", "Noto Sans JP",
                                                           "IPAPGothic"};
    for (const char *family : Preferred) {
        const QString name = QString::fromLatin1(family);
        if (QFontDatabase::hasFamily(name))
            return name;
    }
    return QApplication::font().family();
}

qint32 colorValue(const QColor &color)
{
    const QRgb rgb = color.rgb();
    return qint32(quint32(qRed(rgb)) | quint32(qGreen(rgb)) << 8 | quint32(qBlue(rgb)) << 16);
}

std::optional<QColor> colorFromValue(qint64 value)
{
    if (value < 0 || value > 0xFFFFFF)
        return std::nullopt;
    const auto v = quint32(value);
    return QColor(int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF));
}

} // namespace weftara::textweave
