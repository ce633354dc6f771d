#include "recipes/logvalues.h"

#include "platform/numbertext.h"

#include <cmath>
#include <limits>

namespace weftara::recipes {

namespace {

// The integer type holds the value once rounded halves to even exactly when
// the value lies in [min - 0.5, max + 0.5): min - 0.5 rounds to the even min,
// max + 0.5 to the even max + 1.
template <class Int>
bool roundsIntoRange(double value)
{
    constexpr double low = static_cast<double>(std::numeric_limits<Int>::min()) - 0.5;
    constexpr double high = static_cast<double>(std::numeric_limits<Int>::max()) + 0.5;
    return value >= low && value < high; // false for NaN
}

} // namespace

std::optional<qint16> readInt16Value(QStringView text)
{
    const double value = platform::readNumber(text);
    if (!roundsIntoRange<qint16>(value))
        return std::nullopt;
    return platform::roundToInt16(value);
}

std::optional<qint32> readInt32Value(QStringView text)
{
    const double value = platform::readNumber(text);
    if (!roundsIntoRange<qint32>(value))
        return std::nullopt;
    return platform::roundToInt32(value);
}

std::optional<float> readSingleValue(QStringView text)
{
    const double value = platform::readNumber(text);
    constexpr double largest = std::numeric_limits<float>::max();
    if (!(std::fabs(value) <= largest)) // also infinities and NaN
        return std::nullopt;
    return static_cast<float>(value);
}

QString onOffText(bool on)
{
    return (on ? OnText : OffText).toString();
}

bool readOnOff(QStringView text)
{
    if (text == OnText)
        return true;
    return platform::readNumber(text) != 0.0;
}

std::optional<QStringView> parameterValue(const QStringList &lines, qsizetype command,
                                          qsizetype distance, QStringView key)
{
    const qsizetype index = command - distance;
    if (index < 0 || index >= lines.size())
        return std::nullopt;
    const QString &line = lines[index];
    if (line.size() < key.size())
        return std::nullopt;
    return QStringView(line).sliced(key.size());
}

} // namespace weftara::recipes
