#include "sessions/operation.h"

#include <array>

namespace weftara::sessions {

namespace {

using engine::ChannelStep;
using engine::WeavePart;
using workspace::EffectButton;

// What follows an action's keyword.
enum class Argument { None, Number, Text, Part, PartNumber, PartText, Effect, Channel, Point };

struct Form
{
    Action action;
    QStringView keyword;
    Argument argument;
};

constexpr std::array<Form, 31> Forms{{
    {Action::ChooseBase, u"base", Argument::Number},
    {Action::ChoosePattern, u"pattern", Argument::Number},
    {Action::ClickTab, u"tab", Argument::Number},
    {Action::MoveWeaveRatio, u"ratio", Argument::Number},
    {Action::TypeWeaveRatio, u"ratio-box", Argument::Text},
    {Action::PressWeave, u"weave", Argument::None},
    {Action::TickOption, u"tick", Argument::Part},
    {Action::UntickOption, u"untick", Argument::Part},
    {Action::CloseOptions, u"close-options", Argument::None},
    {Action::MoveThreshold, u"threshold", Argument::PartNumber},
    {Action::TypeThreshold, u"threshold-box", Argument::PartText},
    {Action::PressEffect, u"effect", Argument::Effect},
    {Action::MoveColorStep, u"step", Argument::Number},
    {Action::TypeColorStep, u"step-box", Argument::Text},
    {Action::PressChannel, u"channel", Argument::Channel},
    {Action::MoveTone, u"tone", Argument::Number},
    {Action::ApplyTone, u"tone-box", Argument::Text},
    {Action::MoveZoom, u"zoom", Argument::Number},
    {Action::ApplyZoom, u"zoom-box", Argument::Text},
    {Action::ToggleTextMode, u"text-mode", Argument::None},
    {Action::PlaceTextBox, u"place", Argument::Point},
    {Action::TypeText, u"text", Argument::Text},
    {Action::TypeFontSize, u"font-size", Argument::Text},
    {Action::ChooseColor, u"color", Argument::Text},
    {Action::ChooseFontStyle, u"font-style", Argument::Text},
    {Action::WriteVertically, u"vertical", Argument::None},
    {Action::DrawText, u"draw", Argument::None},
    {Action::EraseText, u"erase", Argument::None},
    {Action::FixText, u"fix", Argument::None},
    {Action::CloseTextPanel, u"close-text", Argument::None},
    {Action::ReplayLog, u"replay", Argument::None},
}};

constexpr std::array<std::pair<EffectButton, QStringView>, 6> EffectNames{{
    {EffectButton::Gray, u"gray"},
    {EffectButton::Solarize, u"solarize"},
    {EffectButton::FadeTop, u"fade-top"},
    {EffectButton::FadeLeft, u"fade-left"},
    {EffectButton::Emphasize, u"emphasize"},
    {EffectButton::FadeRight, u"fade-right"},
}};

constexpr std::array<std::pair<ChannelStep, QStringView>, 6> ChannelNames{{
    {ChannelStep::BlueUp, u"blue-up"},
    {ChannelStep::GreenUp, u"green-up"},
    {ChannelStep::RedUp, u"red-up"},
    {ChannelStep::BlueDown, u"blue-down"},
    {ChannelStep::GreenDown, u"green-down"},
    {ChannelStep::RedDown, u"red-down"},
}};

constexpr std::array<std::pair<WeavePart, QStringView>, 2> PartNames{{
    {WeavePart::Light, u"light"},
    {WeavePart::Dark, u"dark"},
}};

template <class Key, std::size_t N>
QString nameOf(const std::array<std::pair<Key, QStringView>, N> &names, Key key)
{
    for (const auto &[each, name] : names)
        if (each == key)
            return name.toString();
    return {};
}

template <class Key, std::size_t N>
std::optional<Key> keyOf(const std::array<std::pair<Key, QStringView>, N> &names, QStringView name)
{
    for (const auto &[each, eachName] : names)
        if (eachName == name)
            return each;
    return std::nullopt;
}

std::optional<int> numberOf(QStringView text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The first word and the rest after one blank (the rest kept as it is).
std::pair<QStringView, QStringView> firstWord(QStringView text)
{
    const qsizetype blank = text.indexOf(u' ');
    if (blank < 0)
        return {text, {}};
    return {text.first(blank), text.sliced(blank + 1)};
}

const Form *formOf(Action action)
{
    for (const Form &form : Forms)
        if (form.action == action)
            return &form;
    return nullptr;
}

} // namespace

QString Operation::toText() const
{
    const Form *form = formOf(action);
    if (!form)
        return {};
    const QString keyword = form->keyword.toString();
    switch (form->argument) {
    case Argument::None:
        return keyword;
    case Argument::Number:
        return keyword + u' ' + QString::number(number);
    case Argument::Text:
        return keyword + u' ' + text;
    case Argument::Part:
        return keyword + u' ' + nameOf(PartNames, part);
    case Argument::PartNumber:
        return keyword + u' ' + nameOf(PartNames, part) + u' ' + QString::number(number);
    case Argument::PartText:
        return keyword + u' ' + nameOf(PartNames, part) + u' ' + text;
    case Argument::Effect:
        return keyword + u' ' + nameOf(EffectNames, effect);
    case Argument::Channel:
        return keyword + u' ' + nameOf(ChannelNames, channel);
    case Argument::Point:
        return keyword + u' ' + QString::number(number) + u' ' + QString::number(y);
    }
    return {};
}

std::optional<Operation> Operation::parse(QStringView text)
{
    const auto [keyword, rest] = firstWord(text);
    for (const Form &form : Forms) {
        if (form.keyword != keyword)
            continue;
        Operation op;
        op.action = form.action;
        switch (form.argument) {
        case Argument::None:
            return rest.isEmpty() ? std::optional(op) : std::nullopt;
        case Argument::Number: {
            const auto n = numberOf(rest);
            if (!n)
                return std::nullopt;
            op.number = *n;
            return op;
        }
        case Argument::Text:
            op.text = rest.toString();
            return op;
        case Argument::Part:
        case Argument::PartNumber:
        case Argument::PartText: {
            const auto [partName, value] = firstWord(rest);
            const auto part = keyOf(PartNames, partName);
            if (!part)
                return std::nullopt;
            op.part = *part;
            if (form.argument == Argument::PartText) {
                op.text = value.toString();
            } else if (form.argument == Argument::PartNumber) {
                const auto n = numberOf(value);
                if (!n)
                    return std::nullopt;
                op.number = *n;
            }
            return op;
        }
        case Argument::Effect: {
            const auto effect = keyOf(EffectNames, rest);
            if (!effect)
                return std::nullopt;
            op.effect = *effect;
            return op;
        }
        case Argument::Channel: {
            const auto channel = keyOf(ChannelNames, rest);
            if (!channel)
                return std::nullopt;
            op.channel = *channel;
            return op;
        }
        case Argument::Point: {
            const auto [x, y] = firstWord(rest);
            const auto nx = numberOf(x), ny = numberOf(y);
            if (!nx || !ny)
                return std::nullopt;
            op.number = *nx;
            op.y = *ny;
            return op;
        }
        }
    }
    return std::nullopt;
}

QString toText(const Session &session)
{
    QStringList parts;
    for (const Operation &op : session)
        parts << op.toText();
    return parts.join(QStringLiteral("; "));
}

std::optional<Session> parseSession(QStringView text)
{
    Session session;
    for (const QStringView part : text.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const auto op = Operation::parse(part);
        if (!op)
            return std::nullopt;
        session << *op;
    }
    return session;
}

} // namespace weftara::sessions
