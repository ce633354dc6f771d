#include "sessions/sessiongenerator.h"

#include "sessions/sessionrules.h"

#include <array>

namespace weftara::sessions {

namespace {

using engine::ChannelStep;
using engine::WeavePart;
using workspace::EffectButton;

// How many pictures each collection of the session folder holds.
constexpr int Pictures = 3;

struct Weighted
{
    Action action;
    int weight;
};

constexpr std::array<Weighted, 31> Weights{{
    {Action::ChooseBase, 2},      {Action::ChoosePattern, 7},  {Action::ClickTab, 10},
    {Action::MoveWeaveRatio, 4},  {Action::TypeWeaveRatio, 2}, {Action::PressWeave, 5},
    {Action::TickOption, 3},      {Action::UntickOption, 2},   {Action::CloseOptions, 1},
    {Action::MoveThreshold, 4},   {Action::TypeThreshold, 1},  {Action::PressEffect, 8},
    {Action::MoveColorStep, 1},   {Action::TypeColorStep, 1},  {Action::PressChannel, 5},
    {Action::MoveTone, 6},        {Action::ApplyTone, 2},      {Action::MoveZoom, 6},
    {Action::ApplyZoom, 2},       {Action::ToggleTextMode, 3}, {Action::PlaceTextBox, 3},
    {Action::TypeText, 4},        {Action::TypeFontSize, 1},   {Action::ChooseColor, 1},
    {Action::ChooseFontStyle, 1}, {Action::WriteVertically, 1}, {Action::DrawText, 6},
    {Action::EraseText, 2},       {Action::FixText, 2},        {Action::CloseTextPanel, 3},
    {Action::ReplayLog, 1},
}};

template <class T, std::size_t N>
T pick(QRandomGenerator &random, const std::array<T, N> &choices)
{
    return choices[random.bounded(quint32(N))];
}

// Mostly the given values, sometimes any value from low to high.
template <std::size_t N>
int value(QRandomGenerator &random, const std::array<int, N> &usual, int low, int high)
{
    if (random.bounded(4) == 0)
        return random.bounded(low, high + 1);
    return pick(random, usual);
}

QString text(QRandomGenerator &random, std::initializer_list<const char16_t *> choices)
{
    return QString::fromUtf16(choices.begin()[random.bounded(quint32(choices.size()))]);
}

} // namespace

SessionGenerator::SessionGenerator(quint32 seed)
    : m_random(seed)
    , m_length(m_random.bounded(3, 26))
{
}

Operation SessionGenerator::next(const SessionView &view)
{
    // A base can always be chosen, so the search ends.
    for (;;) {
        const Operation op = candidate();
        if (admissible(op, view))
            return op;
    }
}

Operation SessionGenerator::candidate()
{
    int total = 0;
    for (const Weighted &w : Weights)
        total += w.weight;
    int roll = m_random.bounded(total);
    Operation op;
    for (const Weighted &w : Weights) {
        if (roll < w.weight) {
            op.action = w.action;
            break;
        }
        roll -= w.weight;
    }

    QRandomGenerator &r = m_random;
    op.part = r.bounded(2) ? WeavePart::Dark : WeavePart::Light;
    switch (op.action) {
    case Action::ChooseBase:
    case Action::ChoosePattern:
        op.number = r.bounded(Pictures);
        break;
    case Action::ClickTab:
        op.number = pick(r, std::array{2, 3, 3, 4, 4, 5, 5, 5});
        break;
    case Action::MoveWeaveRatio:
        op.number = value(r, std::array{50, 30, 70, 1, 100}, 1, 100);
        break;
    case Action::TypeWeaveRatio:
        op.text = text(r, {u"30", u" 70", u"0", u"100", u"42.5", u"abc", u"150", u"", u"85"});
        break;
    case Action::MoveThreshold:
        op.number = op.part == WeavePart::Light ? value(r, std::array{255, 200, 180, 120}, 0, 255)
                                                : value(r, std::array{0, 60, 120, 200}, 0, 255);
        break;
    case Action::TypeThreshold:
        op.text = text(r, {u"200", u" 60", u"abc", u"300", u"128"});
        break;
    case Action::PressEffect:
        op.effect = pick(r, std::array{EffectButton::Gray, EffectButton::Solarize, EffectButton::FadeTop,
                                       EffectButton::FadeLeft, EffectButton::Emphasize, EffectButton::FadeRight});
        break;
    case Action::MoveColorStep:
        op.number = value(r, std::array{0, 20, 40, 100, 255}, 0, 255);
        break;
    case Action::TypeColorStep:
        op.text = text(r, {u"40", u" 100", u"-20", u"abc", u"300", u"0"});
        break;
    case Action::PressChannel:
        op.channel = ChannelStep(r.bounded(6));
        break;
    case Action::MoveTone:
        op.number = value(r, std::array{0, 20, -20, 40, 100, -100}, -100, 100);
        break;
    case Action::ApplyTone:
        op.text = text(r, {u"20", u"-35", u"150", u"abc", u" 0", u"10"});
        break;
    case Action::MoveZoom:
        op.number = value(r, std::array{25, 50, 75, 100, 150, 200, 1, 300}, 10, 250);
        break;
    case Action::ApplyZoom:
        op.text = text(r, {u"50", u"150", u"0", u"-20", u"600", u"abc", u" 100"});
        break;
    case Action::PlaceTextBox:
        op.number = r.bounded(50);
        op.y = r.bounded(35);
        break;
    case Action::TypeText:
        op.text = text(r, {u"織込", u"Weft", u"春|夏", u"", u"A"});
        break;
    case Action::TypeFontSize:
        op.text = text(r, {u"12", u"20", u"9", u"abc"});
        break;
    case Action::ChooseColor:
        op.text = text(r, {u"#c81e28", u"#1e50c8", u"#ffffff", u"#000000"});
        break;
    case Action::ChooseFontStyle:
        op.text = text(r, {u"plain", u"bold", u"italic underline", u"bold italic underline"});
        break;
    default:
        break;
    }
    return op;
}

} // namespace weftara::sessions
