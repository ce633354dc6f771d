#include "recipes/loggroups.h"

#include "platform/numbertext.h"
#include "recipes/logvalues.h"
#include "recipes/operationlog.h"

namespace weftara::recipes {

namespace {

// Appends the group unless `overwrite` is set and the log can take it in
// place of its last lines.
void putGroup(OperationLog &log, const QStringList &group, bool overwrite)
{
    if (overwrite && log.overwriteLast(group))
        return;
    log.append(group);
}

QString keyed(QStringView key, const QString &value)
{
    return key.toString() + value;
}

std::optional<qint16> int16Parameter(const QStringList &lines, qsizetype command, qsizetype distance,
                                     QStringView key)
{
    const auto value = parameterValue(lines, command, distance, key);
    return value ? readInt16Value(*value) : std::nullopt;
}

} // namespace

void recordBaseLoad(OperationLog &log, const QString &path)
{
    log.clear();
    log.append(keyed(BaseKey, path));
}

void recordPatternLoad(OperationLog &log, const QString &path)
{
    log.append(keyed(PatternKey, path));
}

void recordWeave(OperationLog &log, std::optional<engine::WeavePart> part, const QString &thresholdText,
                 const QString &ratioText)
{
    const QString ratioLine = keyed(WeaveRatioKey, ratioText);
    const QString command = WeaveCommand.toString();
    const bool lastIsWeave = log.last().startsWith(WeaveCommand);
    // The line two before the last one (line n - 2 counted from 1).
    const QString thresholdLine = log.line(log.count() - 3);
    const bool hadThreshold =
        lastIsWeave && (thresholdLine.startsWith(LightThresholdKey) || thresholdLine.startsWith(DarkThresholdKey));
    if (!part) {
        putGroup(log, {ratioLine, command}, lastIsWeave && !hadThreshold);
        return;
    }
    const QStringView key = *part == engine::WeavePart::Light ? LightThresholdKey : DarkThresholdKey;
    putGroup(log, {keyed(key, thresholdText), ratioLine, command}, hadThreshold);
}

std::optional<WeaveGroup> readWeaveGroup(const QStringList &lines, qsizetype command)
{
    WeaveGroup group;
    const auto twoAbove = parameterValue(lines, command, 2, {});
    if (twoAbove) {
        for (const auto part : {engine::WeavePart::Light, engine::WeavePart::Dark}) {
            const QStringView key = part == engine::WeavePart::Light ? LightThresholdKey : DarkThresholdKey;
            if (!twoAbove->startsWith(key))
                continue;
            const QStringView threshold = twoAbove->sliced(key.size());
            if (!readInt16Value(threshold))
                return std::nullopt;
            group.part = part;
            group.threshold = threshold.toString();
            break;
        }
    }
    const auto ratio = parameterValue(lines, command, 1, WeaveRatioKey);
    if (ratio)
        group.ratio = ratio->toString();
    else if (!group.part)
        return std::nullopt;
    return group;
}

void recordZoom(OperationLog &log, ZoomTarget target, const QString &percentText, int copyState)
{
    const QStringView command = target == ZoomTarget::Base ? BaseZoomCommand : WovenZoomCommand;
    const bool repeat = log.count() > 3 && log.last().startsWith(command);
    putGroup(log,
             {keyed(ZoomKey, percentText), keyed(ZoomCopyStateKey, platform::formatNumber(copyState)),
              command.toString()},
             repeat);
}

std::optional<ZoomGroup> readZoomGroup(const QStringList &lines, qsizetype command)
{
    const auto percent = parameterValue(lines, command, 2, ZoomKey);
    const auto copyState = int16Parameter(lines, command, 1, ZoomCopyStateKey);
    if (!percent || !copyState)
        return std::nullopt;
    return ZoomGroup{percent->toString(), *copyState};
}

void recordTone(OperationLog &log, int target, int copyState, const QString &amountText, bool keep)
{
    const QString command = keyed(ToneCommand, QString::number(target));
    const bool repeat = log.count() >= 4 && log.last().startsWith(command);
    putGroup(log,
             {keyed(ToneTargetKey, QString::number(target)), keyed(ToneCopyStateKey, QString::number(copyState)),
              keyed(ToneKey, amountText), command},
             repeat);
    if (keep)
        log.keepLines();
}

std::optional<ToneGroup> readToneGroup(const QStringList &lines, qsizetype command)
{
    const auto target = int16Parameter(lines, command, 3, ToneTargetKey);
    const auto copyState = int16Parameter(lines, command, 2, ToneCopyStateKey);
    const auto amount = parameterValue(lines, command, 1, ToneKey);
    if (!target || !copyState || !amount)
        return std::nullopt;
    return ToneGroup{*target, *copyState, amount->toString()};
}

void recordEffect(OperationLog &log, QStringView command, int target)
{
    log.append({keyed(EffectTargetKey, QString::number(target)), command.toString() + platform::formatNumber(target)});
}

std::optional<qint16> readEffectTarget(const QStringList &lines, qsizetype command)
{
    return int16Parameter(lines, command, 1, EffectTargetKey);
}

void recordColorStep(OperationLog &log, const QString &stepText, engine::ChannelStep channel)
{
    log.append({keyed(ColorStepKey, stepText), keyed(ChannelKey, platform::formatNumber(int(channel))),
                ColorStepCommand.toString()});
}

std::optional<ColorStepGroup> readColorStepGroup(const QStringList &lines, qsizetype command)
{
    const auto step = parameterValue(lines, command, 2, ColorStepKey);
    const auto channel = int16Parameter(lines, command, 1, ChannelKey);
    if (!step || !channel)
        return std::nullopt;
    return ColorStepGroup{step->toString(), *channel};
}

void recordTextFixed(OperationLog &log)
{
    log.append(FixTextCommand.toString());
}

void recordTextErased(OperationLog &log)
{
    log.append(EraseTextCommand.toString());
}

void recordSize(OperationLog &log, int left, int top, int width, int height)
{
    using platform::formatNumber;
    const QStringList group{keyed(LeftKey, formatNumber(left)), keyed(TopKey, formatNumber(top)),
                            keyed(WidthKey, formatNumber(width)), keyed(HeightKey, formatNumber(height)),
                            SizeCommand.toString()};
    putGroup(log, group, log.count() >= group.size() && log.last().startsWith(SizeCommand));
}

} // namespace weftara::recipes
