#include "recipes/textgroup.h"

#include "platform/numbertext.h"
#include "recipes/logvalues.h"

namespace weftara::recipes {

QString lineBreaksToMarker(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += LineBreakMarker;
        } else if (c == u'\n') {
            out += LineBreakMarker;
        } else {
            out += c;
        }
    }
    return out;
}

QString markerToLineBreaks(QStringView text)
{
    return text.toString().replace(LineBreakMarker.toString(), QStringLiteral("\r\n"));
}

QStringList formatTextWrittenGroup(const TextWritten &written)
{
    using platform::formatNumber;
    const auto line = [](QStringView key, const QString &value) { return key.toString() + value; };
    return {
        line(TextKey, lineBreaksToMarker(written.text)),
        line(TextLeftKey, formatNumber(written.left)),
        line(TextTopKey, formatNumber(written.top)),
        line(FontKey, written.font),
        line(TextColorKey, formatNumber(written.color)),
        line(FontNameKey, written.fontName),
        line(FontSizeKey, formatNumber(written.fontSize)),
        line(BoldKey, onOffText(written.bold)),
        line(ItalicKey, onOffText(written.italic)),
        line(UnderlineKey, onOffText(written.underline)),
        DrawTextCommand.toString(),
    };
}

std::optional<TextWritten> readTextWrittenGroup(const QStringList &lines, qsizetype command)
{
    // values[k] is the value of the k-th parameter line (line command-10+k).
    std::array<QStringView, TextGroupKeys.size()> values;
    for (std::size_t k = 0; k < values.size(); ++k) {
        const qsizetype distance = static_cast<qsizetype>(values.size() - k);
        const auto value = parameterValue(lines, command, distance, TextGroupKeys[k]);
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
    written.color = *color;
    written.fontName = values[5].toString();
    written.fontSize = *size;
    written.bold = readOnOff(values[7]);
    written.italic = readOnOff(values[8]);
    written.underline = readOnOff(values[9]);
    return written;
}

} // namespace weftara::recipes
