#include "workspace/operationlog.h"

#include "platform/numbertext.h"

namespace weftara::workspace {

QString OperationLog::line(int i) const
{
    if (i < 0 || i >= count())
        return {};
    return m_lines.at(i);
}

QString OperationLog::last() const
{
    return m_lines.isEmpty() ? QString() : m_lines.constLast();
}

bool OperationLog::append(const QStringList &group)
{
    if (group.size() > MaxLines - count())
        return false;
    m_lines += group;
    return true;
}

bool OperationLog::overwriteLast(const QStringList &group)
{
    const int k = static_cast<int>(group.size());
    if (k > count())
        return false;
    const int first = count() - k;
    for (int i = 0; i < k; ++i)
        m_lines[first + i] = group.at(i);
    return true;
}

namespace {

constexpr QLatin1String Orikomi("Orikomi");

// Appends the group unless `overwrite` is set and the log can take it in
// place of its last lines.
void putGroup(OperationLog &log, const QStringList &group, bool overwrite)
{
    if (overwrite && log.overwriteLast(group))
        return;
    log.append(group);
}

} // namespace

void recordWeave(OperationLog &log, WeaveThreshold threshold, const QString &thresholdText,
                 const QString &ratioText)
{
    const QString ratioLine = QStringLiteral("Text2=") + ratioText;
    const int n = log.count();
    const bool lastIsWeave = log.last().startsWith(Orikomi);

    if (threshold == WeaveThreshold::None) {
        putGroup(log, {ratioLine, QString(Orikomi)}, lastIsWeave);
        return;
    }
    const QString key = threshold == WeaveThreshold::Light ? QStringLiteral("ChechValue1=")
                                                           : QStringLiteral("ChechValue2=");
    // Line n - 2 counted from 1 is index n - 3.
    const bool hadThreshold = lastIsWeave && log.line(n - 3).startsWith(QStringLiteral("ChechValue"));
    putGroup(log, {key + thresholdText, ratioLine, QString(Orikomi)}, hadThreshold);
}

void recordTone(OperationLog &log, int g, std::int16_t flgState, const QString &amountText)
{
    const QString command = QStringLiteral("Noutan") + QString::number(g);
    const bool repeat = log.count() >= 4 && log.last().startsWith(command);
    putGroup(log,
             {QStringLiteral("TbsSelect=") + QString::number(g),
              QStringLiteral("FlgState(t)=") + QString::number(flgState),
              QStringLiteral("Text3.Text=") + amountText, command},
             repeat);
}

void recordZoom(OperationLog &log, ZoomTarget target, const QString &percentText,
                std::int16_t flgState)
{
    const QString command = target == ZoomTarget::Base ? QStringLiteral("sZoom") : QStringLiteral("oZoom");
    const bool repeat = log.count() > 3 && log.last().startsWith(command);
    putGroup(log,
             {QStringLiteral("Text4=") + percentText,
              QStringLiteral("FlgState(0)=") + platform::formatNumber(flgState), command},
             repeat);
}

void recordEffect(OperationLog &log, const QString &keyword, int g)
{
    log.append({QStringLiteral("SelectedItem=") + QString::number(g),
                keyword + platform::formatNumber(g)});
}

void recordColourStep(OperationLog &log, const QString &stepText, int index)
{
    log.append({QStringLiteral("Text6=") + stepText,
                QStringLiteral("Command8=") + platform::formatNumber(index), QStringLiteral("色変更")});
}

} // namespace weftara::workspace
