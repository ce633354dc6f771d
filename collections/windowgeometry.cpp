#include "collections/windowgeometry.h"

#include "collections/module1.h"
#include "platform/numbertext.h"

#include <cmath>
#include <limits>

namespace weftara::collections {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isDigit(QStringView text, qsizetype i)
{
    return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
}

// True when a decimal number starts the text after blanks and a sign.
bool startsWithNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    if (isDigit(text, i))
        return true;
    return i < text.size() && text[i] == u'.' && isDigit(text, i + 1);
}

int readKey(const Module1 &settings, const QString &key, int defaultValue)
{
    const QString text = settings.GetIniValue(key, platform::formatPlainNumber(defaultValue));
    return geometryNumber(text).value_or(defaultValue);
}

} // namespace

std::optional<int> geometryNumber(QStringView text)
{
    if (!startsWithNumber(text))
        return std::nullopt;
    const double value = platform::readNumber(text);
    // Beyond the integer range the window could not be placed anyway.
    if (!std::isfinite(value) || std::abs(value) > std::numeric_limits<int>::max())
        return std::nullopt;
    return platform::roundToInt32(value);
}

WindowGeometry readWindowGeometry(const Module1 &settings)
{
    const WindowGeometry d = DefaultWindowGeometry;
    return {readKey(settings, QStringLiteral("MainLeft"), d.left),
            readKey(settings, QStringLiteral("MainTop"), d.top),
            readKey(settings, QStringLiteral("MainWidth"), d.width),
            readKey(settings, QStringLiteral("MainHeight"), d.height)};
}

void storeWindowGeometry(Module1 &settings, const WindowGeometry &geometry)
{
    settings.SetIniValue(QStringLiteral("MainLeft"), platform::formatPlainNumber(geometry.left));
    settings.SetIniValue(QStringLiteral("MainTop"), platform::formatPlainNumber(geometry.top));
    settings.SetIniValue(QStringLiteral("MainWidth"), platform::formatPlainNumber(geometry.width));
    settings.SetIniValue(QStringLiteral("MainHeight"), platform::formatPlainNumber(geometry.height));
}

} // namespace weftara::collections
