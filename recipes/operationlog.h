#pragma once

#include <QString>
#include <QStringList>

namespace weftara::recipes {

// The operation log: text lines in line groups, parameter lines followed by
// their command line (loggroups.h names them). Lines are addressed by a
// 16-bit index, so the log never holds more than MaxLines lines. A group
// that would not fit any more is dropped whole: a half group would be
// misread on replay, and the picture operation itself still happens.
class OperationLog
{
public:
    static constexpr int MaxLines = 32767;

    int count() const { return static_cast<int>(m_lines.size()); }
    bool isEmpty() const { return m_lines.isEmpty(); }

    // Line i, 0-based; an empty text outside the log.
    QString line(int i) const;
    // The last line; an empty text when the log is empty.
    QString last() const;
    const QStringList &lines() const { return m_lines; }

    // Appends the lines as one group; false (and nothing appended) when the
    // group would take the log past MaxLines.
    bool append(const QStringList &group);
    bool append(const QString &line) { return append(QStringList{line}); }

    // Replaces the last group.size() lines with `group`; false (and nothing
    // changed) when the log holds fewer lines than that, or when one of them
    // is kept.
    bool overwriteLast(const QStringList &group);

    // The lines the log holds now are never overwritten.
    void keepLines() { m_kept = count(); }

    void clear()
    {
        m_lines.clear();
        m_kept = 0;
    }

private:
    QStringList m_lines;
    int m_kept = 0;
};

} // namespace weftara::recipes
