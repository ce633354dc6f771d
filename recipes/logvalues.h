#pragma once

#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace weftara::recipes {

// The values of operation-log lines as replay reads them. Numbers are the
// leading decimal number of the text (blanks skipped, no number is 0),
// rounded halves to even for integer targets. A value the target type cannot
// hold gives nullopt, and the line that needs it is skipped.
std::optional<qint16> readInt16Value(QStringView text);
std::optional<qint32> readInt32Value(QStringView text);
std::optional<float> readSingleValue(QStringView text);

// On/off values are written "True" / "False"; read back, "True" or a number
// other than 0 is on, anything else off.
inline constexpr QStringView OnText = u"True";
inline constexpr QStringView OffText = u"False";
QString onOffText(bool on);
bool readOnOff(QStringView text);

// The value of the parameter line `distance` lines before line `command`:
// its text after as many characters as `key` has (the key itself is not
// checked). nullopt when that line lies before the first line or is shorter
// than the key.
std::optional<QStringView> parameterValue(const QStringList &lines, qsizetype command,
                                          qsizetype distance, QStringView key);

} // namespace weftara::recipes
