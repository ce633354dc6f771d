#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <array>
#include <optional>

namespace weftara::recipes {

// The text-written line group of the operation log: what drawing text on the
// woven picture records, and what replay draws again. Ten parameter lines,
// then the command.
inline constexpr QStringView TextKey = u"Text7text=";
inline constexpr QStringView TextLeftKey = u"CurrentX=";
inline constexpr QStringView TextTopKey = u"CurrentY=";
inline constexpr QStringView FontKey = u"Font=";
inline constexpr QStringView TextColorKey = u"ForeColor=";
inline constexpr QStringView FontNameKey = u"FontName=";
inline constexpr QStringView FontSizeKey = u"FontSize=";
inline constexpr QStringView BoldKey = u"FontBold=";
inline constexpr QStringView ItalicKey = u"FontItalic=";
inline constexpr QStringView UnderlineKey = u"FontUnderline=";
inline constexpr QStringView DrawTextCommand = u"MojiKakikomi";

// The parameter keys in line order.
inline constexpr std::array<QStringView, 10> TextGroupKeys{
    TextKey, TextLeftKey, TextTopKey, FontKey, TextColorKey, FontNameKey, FontSizeKey, BoldKey, ItalicKey,
    UnderlineKey};

// Number of lines of the group, command line included.
inline constexpr qsizetype TextWrittenGroupSize = TextGroupKeys.size() + 1;

// A line break inside the text, as the one-line log writes it.
inline constexpr QStringView LineBreakMarker = u"&&&";

struct TextWritten
{
    QString text;          // the written text; may hold line breaks
    float left = 0.0f;     // in the woven picture's pixels
    float top = 0.0f;
    QString font;          // the font, by name
    qint32 color = 0;      // red in the low byte
    QString fontName;
    float fontSize = 0.0f; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// Every line break of the text (CR LF, or a lone CR or LF) as the marker,
// so that the text fits on one log line.
QString lineBreaksToMarker(QStringView text);

// Every marker as CR LF; also one that the text itself contained.
QString markerToLineBreaks(QStringView text);

// The eleven lines, in order. Numbers in the program's number format (a
// leading blank unless negative), on/off values as "True" / "False".
QStringList formatTextWrittenGroup(const TextWritten &written);

// Reads the group whose command line is lines[command]: its ten parameter
// lines stand at command-10 .. command-1 and are taken by position (keys are
// not checked). nullopt when a line is missing or shorter than its key or a
// number is out of its type's range.
std::optional<TextWritten> readTextWrittenGroup(const QStringList &lines, qsizetype command);

} // namespace weftara::recipes
