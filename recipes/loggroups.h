#pragma once

#include "engine/filters.h"
#include "engine/weaveselect.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace weftara::recipes {

class OperationLog;

// The line groups of the operation log, which recipes store and replay
// reads back: for each group its keys and command (file format, never to be
// changed), the writer the operation records itself with, and the reader
// replay takes the group's values back with. Parameter lines stand at fixed
// distances before their command line; a reader takes each by position
// (the key is not checked, only skipped) and gives nullopt when a line is
// missing, shorter than its key, or holds a number its type cannot take.
// The text group has a file of its own (textgroup.h).

// Pictures loaded: the base load starts the log afresh.
inline constexpr QStringView BaseKey = u"Motoe=";
inline constexpr QStringView PatternKey = u"Garae=";
void recordBaseLoad(OperationLog &log, const QString &path);
void recordPatternLoad(OperationLog &log, const QString &path);

// Weave: an optional threshold line (the weave into the light or dark
// parts), the weave ratio, the command.
inline constexpr QStringView LightThresholdKey = u"ChechValue1=";
inline constexpr QStringView DarkThresholdKey = u"ChechValue2=";
inline constexpr QStringView WeaveRatioKey = u"Text2=";
inline constexpr QStringView WeaveCommand = u"Orikomi";
// A weave right after a weave of the same kind overwrites that one's group
// (a plain weave never takes over the group of a weave into the parts,
// whose threshold line would make it one).
void recordWeave(OperationLog &log, std::optional<engine::WeavePart> part, const QString &thresholdText,
                 const QString &ratioText);
struct WeaveGroup
{
    std::optional<engine::WeavePart> part;
    QString threshold; // with a part: as logged, a number within 16 bits
    // The ratio as logged; a weave into the parts without a readable ratio
    // line (written by hand) has none.
    std::optional<QString> ratio;
};
std::optional<WeaveGroup> readWeaveGroup(const QStringList &lines, qsizetype command);

// Zoom of the base or the woven picture. The copy state line carries the
// woven picture's state whichever picture was zoomed.
inline constexpr QStringView ZoomKey = u"Text4=";
inline constexpr QStringView ZoomCopyStateKey = u"FlgState(0)=";
inline constexpr QStringView BaseZoomCommand = u"sZoom";
inline constexpr QStringView WovenZoomCommand = u"oZoom";
enum class ZoomTarget { Base, Woven };
// A repeat of the same zoom overwrites its group, once the log holds more
// than three lines.
void recordZoom(OperationLog &log, ZoomTarget target, const QString &percentText, int copyState);
struct ZoomGroup
{
    QString percent;
    qint16 copyState = 0;
};
std::optional<ZoomGroup> readZoomGroup(const QStringList &lines, qsizetype command);

// Tone of one picture (0 base, 1 pattern, 2 woven), with the state of its
// copy after the tone. The command carries the picture number too.
inline constexpr QStringView ToneTargetKey = u"TbsSelect=";
inline constexpr QStringView ToneCopyStateKey = u"FlgState(t)=";
inline constexpr QStringView ToneKey = u"Text3.Text=";
inline constexpr QStringView ToneCommand = u"Noutan";
// A repeat on the same picture overwrites its group once the log holds four
// or more lines. A group written with `keep` is never overwritten: a repeat
// after it gets a group of its own.
void recordTone(OperationLog &log, int target, int copyState, const QString &amountText, bool keep = false);
struct ToneGroup
{
    qint16 target = 0;
    qint16 copyState = 0;
    QString amount;
};
std::optional<ToneGroup> readToneGroup(const QStringList &lines, qsizetype command);

// Effects on one picture: the command is the effect's word, a blank and the
// picture number. The left fade writes "右" and the right fade "左".
inline constexpr QStringView EffectTargetKey = u"SelectedItem=";
inline constexpr QStringView GrayCommand = u"単色";
inline constexpr QStringView SolarizeCommand = u"ソラリ";
inline constexpr QStringView FadeTopCommand = u"上下";
inline constexpr QStringView FadeLeftCommand = u"右";
inline constexpr QStringView FadeRightCommand = u"左";
inline constexpr QStringView EmphasizeCommand = u"強調";
void recordEffect(OperationLog &log, QStringView command, int target);
std::optional<qint16> readEffectTarget(const QStringList &lines, qsizetype command);

// Colour step: the step, the channel, the command. Replay takes any line
// that begins with the command's first character for it.
inline constexpr QStringView ColorStepKey = u"Text6=";
inline constexpr QStringView ChannelKey = u"Command8=";
inline constexpr QStringView ColorStepCommand = u"色変更";
void recordColorStep(OperationLog &log, const QString &stepText, engine::ChannelStep channel);
struct ColorStepGroup
{
    QString step;
    qint16 channel = 0;
};
std::optional<ColorStepGroup> readColorStepGroup(const QStringList &lines, qsizetype command);

// Drawn text fixed into the woven picture, or erased.
inline constexpr QStringView FixTextCommand = u"文字織込";
inline constexpr QStringView EraseTextCommand = u"文字消去";
void recordTextFixed(OperationLog &log);
void recordTextErased(OperationLog &log);

// The window's place and size in twips after a resize. Replay passes over
// it. A resize right after a resize overwrites that one's group.
inline constexpr QStringView LeftKey = u"Left=";
inline constexpr QStringView TopKey = u"Top=";
inline constexpr QStringView WidthKey = u"Width=";
inline constexpr QStringView HeightKey = u"Height=";
inline constexpr QStringView SizeCommand = u"Size";
void recordSize(OperationLog &log, int left, int top, int width, int height);

} // namespace weftara::recipes
