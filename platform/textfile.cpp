#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

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

DecodedText decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return {text, TextEncoding::Utf8};
    QStringDecoder sjis = shiftJisDecoder();
    if (!sjis.isValid())
        return {QString::fromLatin1(bytes), TextEncoding::ShiftJis};
    return {sjis.decode(bytes), TextEncoding::ShiftJis};
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
    const QByteArray bytes = readBytes(path, contents.status, contents.error);
    if (!contents.ok())
        return contents;
    DecodedText decoded = decodeText(bytes);
    contents.lines = splitLines(decoded.text);
    contents.encoding = decoded.encoding;
    return contents;
}

TextEncoding encodingKeeping(const QStringList &lines, TextEncoding preferred)
{
    if (preferred != TextEncoding::ShiftJis)
        return preferred;
    const QString text = lines.join(QStringLiteral("\r\n"));
    const bool survives = decodeText(encodeText(text, TextEncoding::ShiftJis)).text == text;
    return survives ? preferred : TextEncoding::Utf8;
}

bool writeTextFile(const QString &path, const QStringList &lines, TextEncoding encoding,
                   QString *error)
{
    return replaceFile(path, encodeLines(lines, encoding), error);
}

bool appendTextFile(const QString &path, const QStringList &lines, QString *error)
{
    ReadStatus status = ReadStatus::Missing;
    QString reason;
    QByteArray bytes = readBytes(path, status, reason);
    if (status == ReadStatus::Unreadable)
        return fail(error, reason);
    const TextEncoding encoding = decodeText(bytes).encoding;
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += "\r\n";
    bytes += encodeLines(lines, encoding);
    return replaceFile(path, bytes, error);
}

} // namespace weftara::platform
