#include "sessions/sessionrules.h"

#include "recipes/loggroups.h"
#include "recipes/textgroup.h"

#include <array>

namespace weftara::sessions {

namespace {

using workspace::Tab;

constexpr std::array<QStringView, 6> EffectCommands{recipes::GrayCommand,      recipes::SolarizeCommand,
                                                    recipes::FadeTopCommand,   recipes::FadeRightCommand,
                                                    recipes::FadeLeftCommand,  recipes::EmphasizeCommand};

std::optional<Tab> tabOfNumber(std::optional<qint16> picture)
{
    if (!picture || *picture < 0 || *picture > int(workspace::Picture::Woven))
        return std::nullopt;
    return workspace::Workspace::tabOfPicture(workspace::Picture(*picture));
}

bool isEffect(const QString &line)
{
    for (const QStringView command : EffectCommands)
        if (line.startsWith(command))
            return true;
    return false;
}

} // namespace

Tab replayedTab(const QStringList &log)
{
    Tab tab = Tab::Base;
    for (qsizetype i = 0; i < log.size(); ++i) {
        const QString &line = log[i];
        std::optional<Tab> selected;
        if (line.startsWith(recipes::BaseKey)) {
            selected = Tab::Base;
        } else if (line.startsWith(recipes::PatternKey)) {
            selected = Tab::Pattern;
        } else if (line.startsWith(recipes::WeaveCommand) || line.startsWith(recipes::WovenZoomCommand)) {
            selected = Tab::Woven;
        } else if (line.startsWith(recipes::BaseZoomCommand)) {
            selected = Tab::Base;
        } else if (line.startsWith(recipes::ToneCommand)) {
            if (const auto group = recipes::readToneGroup(log, i))
                selected = tabOfNumber(group->target);
        } else if (isEffect(line)) {
            selected = tabOfNumber(recipes::readEffectTarget(log, i));
        } else if (line.startsWith(recipes::DrawTextCommand)) {
            selected = Tab::Woven;
        }
        tab = selected.value_or(tab);
    }
    return tab;
}

bool admissible(const Operation &op, const SessionView &view)
{
    if (view.log.isEmpty())
        return op.action == Action::ChooseBase;
    switch (op.action) {
    case Action::ChooseBase:
    case Action::ChoosePattern:
    case Action::ReplayLog:
    case Action::TickOption:
    case Action::UntickOption:
    case Action::CloseOptions:
    case Action::MoveThreshold:
    case Action::TypeThreshold:
        return true;
    case Action::ClickTab:
        return op.number >= int(Tab::PatternCollection) && op.number <= int(Tab::Woven);
    case Action::PlaceTextBox:
        return view.textMode && view.tab == Tab::Woven;
    case Action::TypeText:
    case Action::TypeFontSize:
    case Action::ChooseColor:
    case Action::ChooseFontStyle:
    case Action::WriteVertically:
    case Action::DrawText:
    case Action::EraseText:
    case Action::FixText:
    case Action::CloseTextPanel:
        return view.textMode;
    case Action::MoveTone:
    case Action::ApplyTone:
        return !view.textMode && workspace::Workspace::pictureOfTab(view.tab).has_value();
    case Action::PressChannel:
        return !view.textMode && view.tab == replayedTab(view.log);
    default:
        return !view.textMode;
    }
}

} // namespace weftara::sessions
