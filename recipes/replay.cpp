#include "recipes/replay.h"

#include "platform/surface.h"
#include "recipes/loggroups.h"
#include "recipes/recipekeys.h"
#include "recipes/textgroup.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <array>

namespace weftara::recipes {

namespace {

using workspace::EffectButton;
using workspace::Picture;
using workspace::Tab;
using workspace::Workspace;

// A picture number read from a recipe, when it names a picture.
std::optional<Picture> pictureOf(std::optional<qint16> number)
{
    if (!number || *number < 0 || *number > int(Picture::Woven))
        return std::nullopt;
    return Picture(*number);
}

class Replayer
{
public:
    Replayer(const QStringList &lines, ReplayActions &actions)
        : m_lines(lines)
        , m_actions(actions)
    {
    }

    void run();

private:
    using Handler = void (Replayer::*)(qsizetype line, int argument);
    struct Command
    {
        QStringView command;
        Handler handler;
        int argument; // the effect button, or the tab a zoom acts on
    };

    void loadBase(qsizetype line, int);
    void loadPattern(qsizetype line, int);
    void weave(qsizetype line, int);
    void zoom(qsizetype line, int tab);
    void tone(qsizetype line, int);
    void effect(qsizetype line, int button);
    void colorStep(qsizetype line, int);
    void fixText(qsizetype line, int);
    void eraseText(qsizetype line, int);
    void drawText(qsizetype line, int);

    // In test order; the first command the line begins with decides.
    static constexpr std::array<Command, 16> Commands = {{
        {BaseKey, &Replayer::loadBase, 0},
        {PatternKey, &Replayer::loadPattern, 0},
        {WeaveCommand, &Replayer::weave, 0},
        {BaseZoomCommand, &Replayer::zoom, int(Tab::Base)},
        {WovenZoomCommand, &Replayer::zoom, int(Tab::Woven)},
        {ToneCommand, &Replayer::tone, 0},
        {GrayCommand, &Replayer::effect, int(EffectButton::Gray)},
        {SolarizeCommand, &Replayer::effect, int(EffectButton::Solarize)},
        {FadeTopCommand, &Replayer::effect, int(EffectButton::FadeTop)},
        {FadeRightCommand, &Replayer::effect, int(EffectButton::FadeRight)},
        {FadeLeftCommand, &Replayer::effect, int(EffectButton::FadeLeft)},
        {EmphasizeCommand, &Replayer::effect, int(EffectButton::Emphasize)},
        {ColorStepCommand.first(1), &Replayer::colorStep, 0},
        {FixTextCommand, &Replayer::fixText, 0},
        {EraseTextCommand, &Replayer::eraseText, 0},
        {DrawTextCommand, &Replayer::drawText, 0},
    }};

    const QStringList &m_lines;
    ReplayActions &m_actions;
};

void Replayer::run()
{
    m_actions.clearLog();
    QString description;
    const QString descriptionKey = descriptionPrefix();
    if (m_lines.size() > 1 && m_lines[1].startsWith(descriptionKey))
        description = m_lines[1].sliced(descriptionKey.size());
    m_actions.setDescriptionBox(description);

    // A long recipe keeps the window painted; clicks and keys wait until
    // the replay has ended.
    QElapsedTimer sincePaint;
    sincePaint.start();
    const qsizetype count = m_lines.size();
    for (qsizetype i = 0; i < count; ++i) {
        const QString &line = m_lines[i];
        for (const Command &command : Commands) {
            if (line.startsWith(command.command)) {
                (this->*command.handler)(i, command.argument);
                break;
            }
        }
        if (sincePaint.elapsed() >= 100) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sincePaint.restart();
        }
    }
}

void Replayer::loadBase(qsizetype line, int)
{
    m_actions.loadBase(m_lines[line].sliced(BaseKey.size()));
    m_actions.hidePicture(Picture::Pattern);
    m_actions.hidePicture(Picture::Woven);
    m_actions.setBaseLoaded(true);
    m_actions.setWovenUpToDate(false);
}

void Replayer::loadPattern(qsizetype line, int)
{
    m_actions.loadPattern(m_lines[line].sliced(PatternKey.size()));
    m_actions.setPatternLoaded(true);
    m_actions.setWovenUpToDate(false);
    m_actions.selectTab(Tab::Pattern);
}

void Replayer::weave(qsizetype line, int)
{
    const auto group = readWeaveGroup(m_lines, line);
    if (!group)
        return;
    // The options, the threshold and the ratio as they were, then the weave
    // itself rather than the threshold slider's reaction: a slider already
    // at the logged value does not react, and the reaction asks for a
    // pattern where a weave on the woven tab does without one.
    for (const engine::WeavePart part : workspace::WeaveParts)
        if (group->part != part)
            m_actions.setWeaveOptionChecked(part, false);
    if (group->part) {
        m_actions.setWeaveOptionChecked(*group->part, true);
        m_actions.setThresholdBox(*group->part, group->threshold);
    }
    if (group->ratio)
        m_actions.setWeaveRatioBox(*group->ratio);
    m_actions.weave();

    m_actions.selectTab(Tab::Woven);
    m_actions.setZoomSlider(100);
    m_actions.setToneSlider(0);
    m_actions.resetWeaveOptions();
}

void Replayer::zoom(qsizetype line, int tab)
{
    // The state line carries the woven picture's state, which the replayed
    // operations reach themselves; a group whose state line is broken is
    // still skipped as a whole. The tab comes first: selecting it puts its
    // own zoom into the box.
    const auto group = readZoomGroup(m_lines, line);
    if (!group)
        return;
    m_actions.selectTab(Tab(tab));
    m_actions.setZoomBox(group->percent);
    m_actions.applyZoom();
}

void Replayer::tone(qsizetype line, int)
{
    // The state line is always the untoned state the tone leaves; the tone
    // takes its untoned copy itself where it needs one.
    const auto group = readToneGroup(m_lines, line);
    if (!group)
        return;
    const std::optional<Picture> target = pictureOf(group->target);
    if (!target)
        return;
    m_actions.selectTab(Workspace::tabOfPicture(*target));
    m_actions.setToneBox(group->amount);
    m_actions.applyTone();
}

void Replayer::effect(qsizetype line, int button)
{
    const std::optional<Picture> target = pictureOf(readEffectTarget(m_lines, line));
    if (!target)
        return;
    m_actions.selectTab(Workspace::tabOfPicture(*target));
    m_actions.runEffect(EffectButton(button));
}

void Replayer::colorStep(qsizetype line, int)
{
    const auto group = readColorStepGroup(m_lines, line);
    if (!group || group->channel < int(engine::ChannelStep::BlueUp) || group->channel > int(engine::ChannelStep::RedDown))
        return;
    m_actions.setColorStepBox(group->step);
    m_actions.runChannelStep(engine::ChannelStep(group->channel));
}

// "織込" and "閉じる" log the same line. Replay fixes the text and stays in
// text mode, as "織込" does; it leaves text mode when it ends.
void Replayer::fixText(qsizetype, int)
{
    m_actions.fixText();
}

void Replayer::eraseText(qsizetype, int)
{
    m_actions.eraseText();
}

void Replayer::drawText(qsizetype line, int)
{
    const auto written = readTextWrittenGroup(m_lines, line);
    if (!written)
        return;
    m_actions.toggleTextMode();
    m_actions.setTextBoxText(written->text);
    m_actions.setTextBoxLeft(written->left);
    m_actions.setTextBoxTop(written->top);
    m_actions.setTextBoxFont(written->font);
    m_actions.setTextBoxColor(written->color);
    m_actions.setTextBoxFontName(written->fontName);
    m_actions.setTextBoxFontSize(written->fontSize);
    m_actions.setTextBoxBold(written->bold);
    m_actions.setTextBoxItalic(written->italic);
    m_actions.setTextBoxUnderline(written->underline);
    m_actions.drawText();
}

} // namespace

void replayRecipe(const QStringList &block, ReplayActions &actions)
{
    Replayer(block, actions).run();
}

void replayOnWorkspace(workspace::Workspace &ws, const QStringList &block, ReplayActions &actions)
{
    workspace::Flags &flags = ws.flags();
    flags.replaying = true;
    ws.picture(workspace::Picture::Pattern).hide();
    replayRecipe(block, actions);
    flags.replaying = false;
}

} // namespace weftara::recipes
