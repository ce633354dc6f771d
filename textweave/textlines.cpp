#include "textweave/textlines.h"

#include <QTextBoundaryFinder>

namespace weftara::textweave {

namespace {

constexpr QChar Cr = u'\r';
constexpr QChar Lf = u'\n';
constexpr QChar ParagraphSeparator = QChar(0x2029);

bool isBreak(QChar c)
{
    return c == Cr || c == Lf || c == ParagraphSeparator;
}

// The length of the line break starting at text[i]: 2 for CR LF, 1 for a
// lone break character, 0 for any other character.
qsizetype breakLength(QStringView text, qsizetype i)
{
    if (!isBreak(text[i]))
        return 0;
    return text[i] == Cr && i + 1 < text.size() && text[i + 1] == Lf ? 2 : 1;
}

} // namespace

QString toCrLf(QStringView text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = breakLength(text, i);
        if (length > 0) {
            out += QStringLiteral("\r\n");
            i += length;
        } else {
            out += text[i];
            ++i;
        }
    }
    return out;
}

QStringList drawnLines(QStringView text)
{
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = breakLength(text, i);
        if (length > 0) {
            lines.append(line);
            line.clear();
            i += length;
        } else {
            line += text[i];
            ++i;
        }
    }
    lines.append(line);
    return lines;
}

QString verticalText(QStringView text)
{
    QString joined;
    joined.reserve(text.size());
    for (QChar c : text)
        if (!isBreak(c))
            joined += c;

    QString out;
    out.reserve(joined.size() * 3);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, joined);
    qsizetype start = 0;
    while (start < joined.size()) {
        qsizetype end = finder.toNextBoundary();
        if (end <= start) // no further boundary: the rest is one character
            end = joined.size();
        out += QStringView(joined).mid(start, end - start);
        out += QStringLiteral("\r\n");
        start = end;
    }
    return out;
}

} // namespace weftara::textweave
