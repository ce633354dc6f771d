#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace weftara::workspace {

// The operation log (LstLog): text lines in line groups, parameter lines
// followed by their command line. Lines are addressed by a 16-bit index, so
// the log never holds more than MaxLines lines. A group that would not fit
// any more is dropped whole: a half group would be misread on replay, and
// the picture operation itself still happens.
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
    // changed) when the log holds fewer lines than that.
    bool overwriteLast(const QStringList &group);

    void clear() { m_lines.clear(); }

private:
    QStringList m_lines;
};

// The line groups the workspace writes, and the rules by which a repeated
// weave, tone or zoom overwrites its own last group instead of appending.

// Which threshold line precedes a weave: none, "ChechValue1=" (light parts)
// or "ChechValue2=" (dark parts).
enum class WeaveThreshold { None, Light, Dark };

// "ChechValue1=" / "ChechValue2=" + threshold text (ignored for None),
// "Text2=" + ratio text, "Orikomi". Overwrites the previous weave group when
// the log ends with one: all three lines if it had a threshold line and this
// one has too, else only its last two lines.
void recordWeave(OperationLog &log, WeaveThreshold threshold, const QString &thresholdText,
                 const QString &ratioText);

// "TbsSelect=" + g, "FlgState(t)=" + flgState, "Text3.Text=" + amount text,
// "Noutan" + g. Overwrites the last four lines when the log holds four or
// more and ends with the same "Noutan" line.
void recordTone(OperationLog &log, int g, std::int16_t flgState, const QString &amountText);

enum class ZoomTarget { Base, Woven }; // "sZoom", "oZoom"

// "Text4=" + percent text, "FlgState(0)=" + flgState in number format, then
// "sZoom" or "oZoom". With more than three lines in the log and the same
// zoom command as its last line, the last three lines are overwritten.
void recordZoom(OperationLog &log, ZoomTarget target, const QString &percentText,
                std::int16_t flgState);

// "SelectedItem=" + g, keyword + " " + g (always appended).
void recordEffect(OperationLog &log, const QString &keyword, int g);

// "Text6=" + step text, "Command8=" + index in number format, "色変更"
// (always appended).
void recordColourStep(OperationLog &log, const QString &stepText, int index);

} // namespace weftara::workspace
