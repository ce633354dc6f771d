#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace weftara::platform {

// The two encodings the program's text files come in. Files are read as
// UTF-8 when their bytes are valid UTF-8, otherwise as Shift-JIS (CP932).
enum class TextEncoding { Utf8, ShiftJis };

enum class ReadStatus {
    Ok,
    Missing,    // no file at the path
    Unreadable, // the path exists but cannot be read (a folder, no permission ...)
};

// Everything a read gives back. A missing file and an empty file differ:
// Missing versus Ok with no lines.
struct TextFileContents
{
    ReadStatus status = ReadStatus::Missing;
    QStringList lines;
    TextEncoding encoding = TextEncoding::Utf8;
    QString error; // why the read failed; empty when status is Ok

    bool ok() const { return status == ReadStatus::Ok; }
};

// Decoded bytes and the encoding they were found to be in.
struct DecodedText
{
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is
// dropped), else Shift-JIS.
DecodedText decodeText(const QByteArray &bytes);

// Encodes text; a character Shift-JIS cannot hold becomes "?".
QByteArray encodeText(QStringView text, TextEncoding encoding);

// The encoding to write `lines` in: `preferred`, unless that is Shift-JIS and
// a character would not survive it; then UTF-8 rather than lose the text.
TextEncoding encodingKeeping(const QStringList &lines, TextEncoding preferred);

// Splits at CR LF or LF. A line end at the very end does not start another
// line; empty lines elsewhere are kept. An empty text has no lines.
QStringList splitLines(QStringView text);

// Reads a whole text file into lines, detecting its encoding.
TextFileContents readTextFile(const QString &path);

// Replaces the file with the lines, each ended by CR LF, in the encoding.
// The old file stays intact until the new one is complete. On failure
// returns false and, when `error` is given, stores the reason there.
bool writeTextFile(const QString &path, const QStringList &lines, TextEncoding encoding,
                   QString *error = nullptr);

// Adds lines (each ended by CR LF) at the end of the file, in the encoding
// the file already has; a file that does not exist yet is created as UTF-8.
// The existing bytes are kept as they are (a missing final line end is
// supplied) and the file is replaced as a whole, like writeTextFile.
bool appendTextFile(const QString &path, const QStringList &lines, QString *error = nullptr);

} // namespace weftara::platform
