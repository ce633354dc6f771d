#include "recipes/textgroup.h"

#include "platform/numbertext.h"
#include "recipes/logvalues.h"

#include <array>

namespace weftara::recipes {

namespace {

// The parameter keys of the group, in line order.
constexpr std::array<QStringView, TextWrittenGroupSize - 1> TextKeys = {
    u"Text7text=", u"CurrentX=", u"CurrentY=", u"Font=", u"ForeColor=",
    u"FontName=", u"FontSize=", u"FontBold=", u"FontItalic=", u"FontUnderline="};

QString key(std::size_t index)
{
    return TextKeys[index].toString();
}

} // namespace

QString lineBreaksToMarker(QStringView text)
{
    const QString marker = QStringLiteral("&&&");
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += marker;
        } else if (c == u'\n') {
            out += marker;
        } else {
            out += c;
        }
    }
    return out;
}

QString markerToLineBreaks(QStringView text)
{
    return text.toString().replace(QStringLiteral("&&&"), QStringLiteral("\r\n"));
}

QString onOffText(bool on)
{
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

QStringList formatTextWrittenGroup(const TextWritten &written)
{
    using platform::formatNumber;
    return {
        key(0) + lineBreaksToMarker(written.text),
        key(1) + formatNumber(written.left),
        key(2) + formatNumber(written.top),
        key(3) + written.font,
        key(4) + formatNumber(written.foreColor),
        key(5) + written.fontName,
        key(6) + formatNumber(written.fontSize),
        key(7) + onOffText(written.bold),
        key(8) + onOffText(written.italic),
        key(9) + onOffText(written.underline),
        QStringLiteral("MojiKakikomi"),
    };
}

std::optional<TextWritten> readTextWrittenGroup(const QStringList &lines, qsizetype command)
{
    // values[k] is the value of the k-th parameter line (line command-10+k).
    std::array<QStringView, TextKeys.size()> values;
    for (std::size_t k = 0; k < values.size(); ++k) {
        const qsizetype distance = static_cast<qsizetype>(values.size() - k);
        const auto value = parameterValue(lines, command, distance, TextKeys[k].size());
        if (!value)
            return std::nullopt;
        values[k] = *value;
    }
    const auto left = readSingleValue(values[1]);
    const auto top = readSingleValue(values[2]);
    const auto color = readInt32Value(values[4]);
    const auto size = readSingleValue(values[6]);
    if (!left || !top || !color || !size)
        return std::nullopt;

    TextWritten written;
    written.text = markerToLineBreaks(values[0]);
    written.left = *left;
    written.top = *top;
    written.font = values[3].toString();
    written.foreColor = *color;
    written.fontName = values[5].toString();
    written.fontSize = *size;
    written.bold = readOnOff(values[7]);
    written.italic = readOnOff(values[8]);
    written.underline = readOnOff(values[9]);
    return written;
}

} // namespace weftara::recipes
