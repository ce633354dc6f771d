#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace weftara::recipes {

// The text-written line group of the operation log: what "決定" records and
// what replay of "MojiKakikomi" reads back.
struct TextWritten
{
    QString text;          // the written text; may hold line breaks
    float left = 0.0f;     // CurrentX, in the woven picture's units
    float top = 0.0f;      // CurrentY
    QString font;          // the font, by name ("Font=")
    qint32 foreColor = 0;  // red in the low byte
    QString fontName;      // "FontName="
    float fontSize = 0.0f; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// Number of lines of the group, command line included.
inline constexpr qsizetype TextWrittenGroupSize = 11;

// Every line break of the text (CR LF, or a lone CR or LF) as "&&&", so that
// the text fits on one log line.
QString lineBreaksToMarker(QStringView text);

// Every "&&&" as CR LF; also one that the text itself contained.
QString markerToLineBreaks(QStringView text);

// "True" / "False".
QString onOffText(bool on);

// The eleven lines, in order: "Text7text=", "CurrentX=", "CurrentY=",
// "Font=", "ForeColor=", "FontName=", "FontSize=", "FontBold=",
// "FontItalic=", "FontUnderline=", "MojiKakikomi". Numbers in the program's
// number format (a leading blank unless negative).
QStringList formatTextWrittenGroup(const TextWritten &written);

// Reads the group whose command line is lines[command]: its ten parameter
// lines stand at command-10 .. command-1 and are taken by position (keys are
// not checked). nullopt when a line is missing or shorter than its key or a
// number is out of its type's range.
std::optional<TextWritten> readTextWrittenGroup(const QStringList &lines, qsizetype command);

} // namespace weftara::recipes
