#include "recipes/linetext.h"

namespace weftara::recipes {

QStringView trimSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

bool isBlankLine(QStringView line)
{
    return trimSpaces(line).isEmpty();
}

QString withoutLineBreaks(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c != u'\r' && c != u'\n')
            out += c;
    }
    return out;
}

} // namespace weftara::recipes
