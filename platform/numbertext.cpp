#include "platform/numbertext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace weftara::platform {

namespace {

QString withSignColumn(const QString &plain, bool negative)
{
    return negative ? plain : QLatin1Char(' ') + plain;
}

// Lays out the shortest round-trip digits of a floating value. `scientific`
// is what std::to_chars gives in scientific form ("-1.25e+01").
QString layOutDigits(std::string_view scientific)
{
    bool negative = false;
    if (!scientific.empty() && scientific.front() == '-') {
        negative = true;
        scientific.remove_prefix(1);
    }
    const auto ePos = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, ePos))
        if (c != '.')
            digits += c;
    int exponent = 0;
    std::string_view expText = scientific.substr(ePos + 1);
    if (!expText.empty() && expText.front() == '+')
        expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);

    std::string out;
    if (negative)
        out += '-';
    const int count = static_cast<int>(digits.size());
    if (exponent >= -5 && exponent < 15) {
        // Positional: the decimal point sits after digit (exponent + 1).
        const int pointAt = exponent + 1;
        if (pointAt <= 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-pointAt), '0');
            out += digits;
        } else if (pointAt >= count) {
            out += digits;
            out.append(static_cast<std::size_t>(pointAt - count), '0');
        } else {
            out += digits.substr(0, static_cast<std::size_t>(pointAt));
            out += '.';
            out += digits.substr(static_cast<std::size_t>(pointAt));
        }
    } else {
        out += digits.substr(0, 1);
        if (count > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    }
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

template <class Real>
QString plainReal(Real value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific);
    return layOutDigits(std::string_view(buffer.data(),
                                         static_cast<std::size_t>(result.ptr - buffer.data())));
}

template <class Real>
QString signedReal(Real value)
{
    const QString plain = plainReal(value);
    if (std::isnan(value))
        return plain;
    return withSignColumn(plain, value < 0);
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

template <class Int>
Int roundHalfEvenClamped(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<Int>::min();
    constexpr double high = std::numeric_limits<Int>::max();
    // Out of range: clamp to the nearest bound rather than overflow.
    if (value <= low)
        return std::numeric_limits<Int>::min();
    if (value >= high)
        return std::numeric_limits<Int>::max();
    double whole = std::floor(value);
    const double fraction = value - whole; // exact for |value| below 2^31
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    return static_cast<Int>(whole);
}

} // namespace

QString formatPlainNumber(long long value)
{
    return QString::number(value);
}

QString formatPlainNumber(unsigned long long value)
{
    return QString::number(value);
}

QString formatPlainNumber(double value)
{
    return plainReal(value);
}

QString formatPlainNumber(float value)
{
    return plainReal(value);
}

QString formatNumber(long long value)
{
    return withSignColumn(QString::number(value), value < 0);
}

QString formatNumber(unsigned long long value)
{
    return withSignColumn(QString::number(value), false);
}

QString formatNumber(double value)
{
    return signedReal(value);
}

QString formatNumber(float value)
{
    return signedReal(value);
}

double readNumber(QStringView text)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && isBlank(text[i]))
        ++i;

    std::string number; // ASCII copy of the accepted prefix, sign included
    if (i < size && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    bool anyDigit = false;
    std::string mantissa;
    while (i < size && isDigit(text[i])) {
        mantissa += static_cast<char>(text[i].unicode());
        anyDigit = true;
        ++i;
    }
    if (i < size && text[i] == u'.') {
        std::string fraction;
        qsizetype j = i + 1;
        while (j < size && isDigit(text[j])) {
            fraction += static_cast<char>(text[j].unicode());
            ++j;
        }
        if (anyDigit || !fraction.empty()) {
            mantissa += '.';
            mantissa += fraction;
            anyDigit = anyDigit || !fraction.empty();
            i = j;
        }
    }
    if (!anyDigit)
        return 0.0;

    std::string exponent;
    if (i < size && (text[i] == u'E' || text[i] == u'e')) {
        qsizetype j = i + 1;
        std::string candidate = "e";
        if (j < size && (text[j] == u'+' || text[j] == u'-')) {
            candidate += static_cast<char>(text[j].unicode());
            ++j;
        }
        bool expDigit = false;
        while (j < size && isDigit(text[j])) {
            candidate += static_cast<char>(text[j].unicode());
            expDigit = true;
            ++j;
        }
        if (expDigit)
            exponent = candidate;
    }

    number += mantissa;
    number += exponent;
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: which one follows from the
        // power of ten of the first non-zero digit plus the exponent.
        const bool negative = number.front() == '-';
        long long power = 0;
        const auto point = mantissa.find('.');
        const auto integerDigits =
            static_cast<long long>(point == std::string::npos ? mantissa.size() : point);
        for (std::size_t k = 0; k < mantissa.size(); ++k) {
            if (mantissa[k] == '.' || mantissa[k] == '0')
                continue;
            const auto at = static_cast<long long>(k);
            power = at < integerDigits ? integerDigits - at - 1 : integerDigits - at;
            break;
        }
        long long e = 0;
        if (!exponent.empty()) {
            const char *begin = exponent.data() + 1;
            if (*begin == '+')
                ++begin;
            const auto parsed = std::from_chars(begin, exponent.data() + exponent.size(), e);
            // Beyond any double's range, and safe to add to `power`.
            constexpr long long Far = 1'000'000'000'000LL;
            if (parsed.ec == std::errc::result_out_of_range || e > Far || e < -Far)
                e = (*begin == '-') ? -Far : Far;
        }
        const double magnitude = power + e > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -magnitude : magnitude;
    }
    return value;
}

std::int16_t roundToInt16(double value)
{
    return roundHalfEvenClamped<std::int16_t>(value);
}

std::int32_t roundToInt32(double value)
{
    return roundHalfEvenClamped<std::int32_t>(value);
}

std::int16_t readInt16(QStringView text)
{
    return roundToInt16(readNumber(text));
}

} // namespace weftara::platform
