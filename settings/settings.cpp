#include "settings/settings.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"

#include <QDir>
#include <QStringList>

namespace weftara::settings {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// A position in the file's lines while records are read.
struct Cursor
{
    const platform::TextFileContents &file;
    qsizetype line = 0;
    qsizetype pos = 0;

    const QString &text() const { return file.lines[line]; }
    bool atLineEnd() const { return pos >= text().size(); }
    QChar current() const { return text()[pos]; }
    // The line end after the current line, as the file has it.
    QString lineEnd() const
    {
        const qsizetype next = file.lineStarts[line + 1];
        return next >= 2 && file.bytes[next - 2] == '\r' ? QStringLiteral("\r\n") : QStringLiteral("\n");
    }
};

// A field that starts with a double quote runs to the closing quote, over
// line ends if need be (kept as the file has them); a doubled quote inside
// stands for one quote. Text between the closing quote and the next comma is
// dropped.
QString readQuotedField(Cursor &c)
{
    ++c.pos; // the opening quote
    QString field;
    for (;;) {
        if (c.atLineEnd()) {
            if (c.line + 1 >= c.file.lines.size())
                return field; // no closing quote before the end of the file
            field += c.lineEnd();
            ++c.line;
            c.pos = 0;
            continue;
        }
        const QChar ch = c.current();
        ++c.pos;
        if (ch == u'"') {
            if (!c.atLineEnd() && c.current() == u'"') {
                field += u'"';
                ++c.pos;
                continue;
            }
            break;
        }
        field += ch;
    }
    while (!c.atLineEnd() && c.current() != u',')
        ++c.pos;
    return field;
}

// One field: leading blanks skipped, ends at a comma or the end of the line
// (trailing blanks dropped), or a quoted field. The cursor is left on the
// comma or at the end of the line.
QString readField(Cursor &c)
{
    while (!c.atLineEnd() && isBlank(c.current()))
        ++c.pos;
    if (!c.atLineEnd() && c.current() == u'"')
        return readQuotedField(c);
    const QString &text = c.text();
    qsizetype end = text.indexOf(u',', c.pos);
    if (end < 0)
        end = text.size();
    qsizetype last = end;
    while (last > c.pos && isBlank(text[last - 1]))
        --last;
    QString field = text.mid(c.pos, last - c.pos);
    c.pos = end;
    return field;
}

// Quotes a field the plain form would not bring back intact: one holding a
// comma, a quote or a line end, or starting or ending with a blank.
QString quotedIfNeeded(const QString &field)
{
    const bool needsQuotes = field.contains(u',') || field.contains(u'"')
        || field.contains(u'\r') || field.contains(u'\n')
        || (!field.isEmpty() && (isBlank(field.front()) || isBlank(field.back())));
    if (!needsQuotes)
        return field;
    QString quoted = field;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

Settings::Settings(QString path, platform::Dialogs &dialogs)
    : m_path(std::move(path))
    , m_dialogs(dialogs)
{
}

QString Settings::pathIn(const platform::ProgramFolder &folder)
{
    return folder.filePath(SettingsFileName);
}

void Settings::read()
{
    const platform::TextFileContents contents = platform::readTextFile(m_path);
    if (!contents.ok())
        return;
    m_encoding = contents.encoding;

    Cursor cursor{contents};
    int n = 0;
    while (cursor.line < contents.lines.size()) {
        const QString key = readField(cursor);
        QString value;
        if (!cursor.atLineEnd() && cursor.current() == u',') {
            ++cursor.pos;
            value = readField(cursor);
        }
        // Fields after the second one are ignored with the rest of the line.
        ++cursor.line;
        cursor.pos = 0;
        if (!key.isEmpty()) {
            if (n >= SlotCount)
                break;
            m_slots[static_cast<std::size_t>(n)] = {key, value};
        }
        ++n;
    }
}

QString Settings::value(QStringView key, const QString &defaultValue) const
{
    for (const Slot &slot : m_slots) {
        if (slot.key.isEmpty())
            return defaultValue;
        if (slot.key == key)
            return slot.value;
    }
    return QString();
}

void Settings::setValue(QStringView key, const QString &value)
{
    if (key.isEmpty())
        return;
    for (Slot &slot : m_slots) {
        if (slot.key.isEmpty())
            slot.key = key.toString();
        if (slot.key == key) {
            slot.value = value;
            return;
        }
    }
    // All 31 slots hold other keys: the new key is not kept.
}

bool Settings::write()
{
    QStringList lines;
    for (const Slot &slot : m_slots) {
        if (slot.key.isEmpty())
            break;
        lines << quotedIfNeeded(slot.key) + u',' + quotedIfNeeded(slot.value);
    }

    // A Shift-JIS file stays Shift-JIS unless a value has characters that
    // Shift-JIS cannot hold; then the file becomes UTF-8 rather than lose them.
    const platform::TextEncoding encoding = platform::encodingKeeping(lines, m_encoding);

    if (!platform::writeTextFile(m_path, lines, encoding)) {
        if (!m_writeFailureShown) {
            m_writeFailureShown = true;
            m_dialogs.message(QStringLiteral("設定ファイル（Weftara.ini）を書き込めません。\n%1")
                                  .arg(QDir::toNativeSeparators(m_path)));
        }
        return false;
    }
    m_writeFailureShown = false;
    m_encoding = encoding;
    return true;
}

} // namespace weftara::settings
