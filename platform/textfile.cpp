#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <initializer_list>

namespace weftara::platform {

namespace {

// Names under which the conversion library knows CP932; the first one this
// build has is used.
constexpr std::initializer_list<const char *> ShiftJisNames = {"windows-31j", "Shift_JIS"};

QStringDecoder shiftJisDecoder()
{
    for (const char *name : ShiftJisNames) {
        QStringDecoder decoder(name, QStringConverter::Flag::Stateless);
        if (decoder.isValid())
            return decoder;
    }
    return QStringDecoder();
}

QStringEncoder shiftJisEncoder()
{
    for (const char *name : ShiftJisNames) {
        QStringEncoder encoder(name, QStringConverter::Flag::Stateless);
        if (encoder.isValid())
            return encoder;
    }
    return QStringEncoder();
}

// Encodes one piece; false when it does not come back unchanged, which is
// how an unmappable character shows (the converter substitutes silently).
bool encodeExactly(QStringEncoder &encoder, QStringDecoder &decoder, QStringView text,
                   QByteArray &bytes)
{
    encoder.resetState();
    decoder.resetState();
    bytes = encoder.encode(text);
    if (encoder.hasError())
        return false;
    const QString back = decoder.decode(bytes);
    return !decoder.hasError() && back == text;
}

QByteArray toShiftJis(QStringView text)
{
    QStringEncoder encoder = shiftJisEncoder();
    QStringDecoder decoder = shiftJisDecoder();
    const bool usable = encoder.isValid() && decoder.isValid();
    QByteArray whole;
    if (usable && encodeExactly(encoder, decoder, text, whole))
        return whole;
    // Some character has no Shift-JIS form: go character by character so
    // that each such character becomes exactly one "?".
    QByteArray out;
    out.reserve(text.size() * 2);
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype length = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            length = 2;
        const QStringView piece = text.mid(i, length);
        QByteArray bytes;
        if (usable && encodeExactly(encoder, decoder, piece, bytes))
            out += bytes;
        else if (!usable && piece.size() == 1 && piece[0].unicode() < 0x80)
            out += static_cast<char>(piece[0].unicode());
        else
            out += '?';
        i += length;
    }
    return out;
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

bool replaceFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, reason);
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

QByteArray encodeLines(const QStringList &lines, TextEncoding encoding)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return encodeText(text, encoding);
}

// Reads the raw bytes; `status` tells a missing file from an unreadable one.
QByteArray readBytes(const QString &path, ReadStatus &status, QString &error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        status = ReadStatus::Missing;
        error = QStringLiteral("No such file: %1").arg(path);
        return {};
    }
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        status = ReadStatus::Unreadable;
        error = info.isDir() ? QStringLiteral("Is a folder: %1").arg(path) : file.errorString();
        return {};
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        status = ReadStatus::Unreadable;
        error = file.errorString();
        return {};
    }
    status = ReadStatus::Ok;
    return bytes;
}

} // namespace

DecodedLines decodeLines(QByteArrayView bytes)
{
    DecodedLines decoded;
    decoded.lineStarts.clear();
    // The mark is dropped at the start of the file only; elsewhere U+FEFF is
    // text like any other.
    QStringDecoder firstUtf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QStringDecoder laterUtf8(QStringDecoder::Utf8,
                             QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QStringDecoder sjis = shiftJisDecoder();
    int utf8Lines = 0;
    int sjisLines = 0;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        const qsizetype next = newline < 0 ? bytes.size() : newline + 1;
        qsizetype end = newline < 0 ? bytes.size() : newline;
        if (newline >= 0 && end > start && bytes[end - 1] == '\r')
            --end;
        const QByteArrayView line = bytes.sliced(start, end - start);
        decoded.lineStarts.append(start);
        start = next;

        if (std::all_of(line.begin(), line.end(), [](char c) { return uchar(c) < 0x80; })) {
            decoded.lines.append(QString::fromLatin1(line));
            continue;
        }
        QStringDecoder &utf8 = decoded.lines.isEmpty() ? firstUtf8 : laterUtf8;
        utf8.resetState();
        QString text = utf8.decode(line);
        if (!utf8.hasError()) {
            ++utf8Lines;
        } else {
            ++sjisLines;
            if (sjis.isValid()) {
                sjis.resetState();
                text = sjis.decode(line);
            } else {
                text = QString::fromLatin1(line);
            }
        }
        decoded.lines.append(text);
    }
    decoded.lineStarts.append(bytes.size());
    decoded.encoding = sjisLines > utf8Lines ? TextEncoding::ShiftJis : TextEncoding::Utf8;
    return decoded;
}

QByteArray encodeText(QStringView text, TextEncoding encoding)
{
    if (encoding == TextEncoding::ShiftJis)
        return toShiftJis(text);
    return text.toUtf8();
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        const bool last = end < 0;
        if (last)
            end = text.size();
        qsizetype lineEnd = end;
        if (!last && lineEnd > start && text[lineEnd - 1] == u'\r')
            --lineEnd;
        lines.append(text.mid(start, lineEnd - start).toString());
        start = end + 1;
    }
    return lines;
}

TextFileContents readTextFile(const QString &path)
{
    TextFileContents contents;
    QByteArray bytes = readBytes(path, contents.status, contents.error);
    if (!contents.ok())
        return contents;
    static_cast<DecodedLines &>(contents) = decodeLines(bytes);
    contents.bytes = std::move(bytes);
    return contents;
}

TextEncoding encodingKeeping(const QStringList &lines, TextEncoding preferred)
{
    if (preferred != TextEncoding::ShiftJis)
        return preferred;
    const QString text = lines.join(QStringLiteral("\r\n"));
    // Read back line by line, as a read will: a Shift-JIS line whose bytes
    // happen to be valid UTF-8 would come back as other text.
    const bool survives =
        decodeLines(encodeText(text, TextEncoding::ShiftJis)).lines == splitLines(text);
    return survives ? preferred : TextEncoding::Utf8;
}

bool writeTextFile(const QString &path, const QStringList &lines, TextEncoding encoding,
                   QString *error)
{
    return replaceFile(path, encodeLines(lines, encoding), error);
}

bool writeFileBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    return replaceFile(path, bytes, error);
}

bool appendTextFile(const QString &path, const QStringList &lines, QString *error)
{
    ReadStatus status = ReadStatus::Missing;
    QString reason;
    const QByteArray existing = readBytes(path, status, reason);
    if (status == ReadStatus::Unreadable)
        return fail(error, reason);
    QByteArray added;
    if (!existing.isEmpty() && !existing.endsWith('\n'))
        added += "\r\n";
    // Lines Shift-JIS would not bring back go in as UTF-8: the file is read
    // line by line, so a UTF-8 line in it loses nothing.
    added += encodeLines(lines, encodingKeeping(lines, decodeLines(existing).encoding));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return fail(error, file.errorString());
    const qint64 before = file.size();
    if (file.write(added) != added.size()) {
        const QString why = file.errorString();
        // Half a block would read as a damaged recipe.
        file.resize(before);
        return fail(error, why);
    }
    return true;
}

} // namespace weftara::platform
