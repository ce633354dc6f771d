#pragma once

#include <QString>
#include <QStringView>

#include <concepts>
#include <cstdint>

namespace weftara::platform {

// Numbers as the program writes them into text boxes and log lines: a leading
// blank for values of 0 or more (" 50", " 0", " 12.5") and "-" otherwise
// ("-5"). Floating values use the shortest digits that read back to the same
// value, positional for ordinary magnitudes (1e-5 <= |v| < 1e15) and as
// "1.5E+20" beyond. NaN is written "NaN", infinities " Inf" / "-Inf".
QString formatNumber(long long value);
QString formatNumber(unsigned long long value);
QString formatNumber(double value);
QString formatNumber(float value);

template <std::signed_integral T>
QString formatNumber(T value)
{
    return formatNumber(static_cast<long long>(value));
}

template <std::unsigned_integral T>
    requires(!std::same_as<T, bool>)
QString formatNumber(T value)
{
    return formatNumber(static_cast<unsigned long long>(value));
}

// The same text without the leading blank ("50", "-5", "12.5"), for the
// settings file and boxes whose text is trimmed.
QString formatPlainNumber(long long value);
QString formatPlainNumber(unsigned long long value);
QString formatPlainNumber(double value);
QString formatPlainNumber(float value);

template <std::signed_integral T>
QString formatPlainNumber(T value)
{
    return formatPlainNumber(static_cast<long long>(value));
}

template <std::unsigned_integral T>
    requires(!std::same_as<T, bool>)
QString formatPlainNumber(T value)
{
    return formatPlainNumber(static_cast<unsigned long long>(value));
}

// The leading decimal number of a text: blanks (space, tab, CR, LF) skipped,
// optional sign, digits, optional "." and digits, optional exponent (E or e,
// optional sign, digits; an E without digits ends the number before it).
// Reading stops at the first character that cannot continue the number; a
// text without a number reads as 0. " 50abc" -> 50, "-2.5e1x" -> -25,
// ".5" -> 0.5, "1e" -> 1. Too large magnitudes read as +-infinity.
double readNumber(QStringView text);

// Nearest integer, halves to even (0.5 -> 0, 1.5 -> 2, -2.5 -> -2).
// Values beyond the target's range are clamped to its nearest bound instead
// of failing; NaN gives 0.
std::int16_t roundToInt16(double value);
std::int32_t roundToInt32(double value);

// readNumber followed by the conversion to a 16-bit integer.
std::int16_t readInt16(QStringView text);

} // namespace weftara::platform
