#include "app/windowgeometry.h"

#include "platform/numbertext.h"
#include "settings/settings.h"

#include <cmath>
#include <limits>

namespace weftara::app {

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

int readKey(const settings::Settings &settings, QStringView key, int defaultValue)
{
    const QString text = settings.value(key, platform::formatPlainNumber(defaultValue));
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

WindowGeometry readWindowGeometry(const settings::Settings &settings)
{
    const WindowGeometry d = DefaultWindowGeometry;
    return {readKey(settings, settings::WindowLeftKey, d.left), readKey(settings, settings::WindowTopKey, d.top),
            readKey(settings, settings::WindowWidthKey, d.width),
            readKey(settings, settings::WindowHeightKey, d.height)};
}

void storeWindowGeometry(settings::Settings &settings, const WindowGeometry &geometry)
{
    settings.setValue(settings::WindowLeftKey, platform::formatPlainNumber(geometry.left));
    settings.setValue(settings::WindowTopKey, platform::formatPlainNumber(geometry.top));
    settings.setValue(settings::WindowWidthKey, platform::formatPlainNumber(geometry.width));
    settings.setValue(settings::WindowHeightKey, platform::formatPlainNumber(geometry.height));
}

} // namespace weftara::app
