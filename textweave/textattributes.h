#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace weftara::textweave {

// The attributes written text is drawn with: the text box's font and
// colour.
struct TextAttributes
{
    QString fontName;
    float fontSize = 9.0f; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color{Qt::black};

    // The font with these attributes (size in points).
    QFont font() const;

    bool operator==(const TextAttributes &) const = default;
};

// Font sizes outside this range are refused (and the previous size kept):
// below one point nothing legible is drawn, and beyond 2048 points a single
// glyph would outgrow any picture the program works with.
inline constexpr double MinFontPoints = 1.0;
inline constexpr double MaxFontPoints = 2048.0;
bool usableFontSize(double points);

// The font family the text box starts with: a Japanese font where one is
// installed (the text is mostly Japanese), else the application's font.
QString defaultFontName();

// A colour as the log writes it: red in the low byte, then green, then blue.
qint32 colorValue(const QColor &color);
// The colour of such a value; nullopt for values outside 0 .. 0xFFFFFF,
// which name no plain RGB colour.
std::optional<QColor> colorFromValue(qint64 value);

} // namespace weftara::textweave
