#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
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

// Lines decoded from a file's bytes. Each line is decoded on its own: UTF-8
// when its bytes are valid UTF-8, otherwise Shift-JIS (CP932), so that one
// line typed in another encoding (an old editor, a block pasted from an older
// file) does not spoil the rest. A line ends at LF or CR LF; a line end at the
// very end does not start another line; an empty file has no lines. A UTF-8
// byte-order mark at the start of the file is dropped.
struct DecodedLines
{
    QStringList lines;
    // Where each line begins in the bytes, and one entry more: the size of the
    // bytes. Line i with its line end is bytes[lineStarts[i], lineStarts[i + 1]).
    QList<qsizetype> lineStarts{0};
    // The encoding most of the lines that are not plain ASCII are in (UTF-8
    // when there are none, or as many of each): the one to write new lines in.
    TextEncoding encoding = TextEncoding::Utf8;
};

DecodedLines decodeLines(QByteArrayView bytes);

// Everything a read gives back. A missing file and an empty file differ:
// Missing versus Ok with no lines.
struct TextFileContents : DecodedLines
{
    ReadStatus status = ReadStatus::Missing;
    QByteArray bytes;
    QString error; // why the read failed; empty when status is Ok

    bool ok() const { return status == ReadStatus::Ok; }
};

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

// Replaces the file with the bytes, as writeTextFile does.
bool writeFileBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Adds lines (each ended by CR LF) at the end of the file, in the encoding
// the file already has (UTF-8 for lines Shift-JIS would not bring back); a
// file that does not exist yet is created as UTF-8.
// The bytes already in the file are not written again (a missing final line
// end is supplied first), so nothing another program adds meanwhile is lost;
// when the write fails part-way the file is cut back to what it held.
bool appendTextFile(const QString &path, const QStringList &lines, QString *error = nullptr);

} // namespace weftara::platform
