#include "recipes/replay.h"

#include "recipes/loggroups.h"
#include "recipes/recipekeys.h"
#include "recipes/textgroup.h"

#include <array>

namespace weftara::recipes {

namespace {

// Tabs of TabStrip1 that replay selects: a picture number n (0 base,
// 1 pattern, 2 woven) is tab n + 3.
constexpr int PatternTab = 4;
constexpr int WovenTab = 5;
constexpr int BaseTab = 3;
constexpr int PictureCount = 3;    // picture numbers and FlgState indices 0..2
constexpr int Command8Count = 6;   // colour step buttons 0..5
constexpr int ToneButton = 8;      // Command3(8) "濃淡"

bool isPictureNumber(qint16 n)
{
    return n >= 0 && n < PictureCount;
}

class Replayer
{
public:
    Replayer(const QStringList &lines, ReplayTarget &target)
        : m_lines(lines)
        , m_target(target)
    {
    }

    void run();

private:
    using Action = void (Replayer::*)(qsizetype line, int button);
    struct Command
    {
        QStringView command;
        Action action;
        int button; // Command3 index for the effect commands
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
        {BaseZoomCommand, &Replayer::zoom, BaseTab},
        {WovenZoomCommand, &Replayer::zoom, WovenTab},
        {ToneCommand, &Replayer::tone, 0},
        {GrayCommand, &Replayer::effect, 0},
        {SolarizeCommand, &Replayer::effect, 1},
        {FadeTopCommand, &Replayer::effect, 2},
        {FadeRightCommand, &Replayer::effect, 6},
        {FadeLeftCommand, &Replayer::effect, 3},
        {EmphasizeCommand, &Replayer::effect, 4},
        {ColorStepCommand.first(1), &Replayer::colorStep, 0},
        {FixTextCommand, &Replayer::fixText, 0},
        {EraseTextCommand, &Replayer::eraseText, 0},
        {DrawTextCommand, &Replayer::drawText, 0},
    }};

    const QStringList &m_lines;
    ReplayTarget &m_target;
};

void Replayer::run()
{
    m_target.clearLog();
    QString description;
    const QString descriptionKey = descriptionPrefix();
    if (m_lines.size() > 1 && m_lines[1].startsWith(descriptionKey))
        description = m_lines[1].sliced(descriptionKey.size());
    m_target.setText11(description);

    const qsizetype count = m_lines.size();
    for (qsizetype i = 0; i < count; ++i) {
        const QString &line = m_lines[i];
        for (const Command &command : Commands) {
            if (line.startsWith(command.command)) {
                (this->*command.action)(i, command.button);
                break;
            }
        }
    }
}

void Replayer::loadBase(qsizetype line, int)
{
    m_target.MotoeLoad(m_lines[line].sliced(BaseKey.size()));
    m_target.hidePicture1(1);
    m_target.hidePicture1(2);
    m_target.setMotoeSentakuFlg(true);
    m_target.setOrikomiFlg(false);
}

void Replayer::loadPattern(qsizetype line, int)
{
    m_target.GaraeLoad(m_lines[line].sliced(PatternKey.size()));
    m_target.setGaraeSentakuFlg(true);
    m_target.setOrikomiFlg(false);
    m_target.selectTab(PatternTab);
}

void Replayer::weave(qsizetype line, int)
{
    const auto group = readWeaveGroup(m_lines, line);
    if (!group)
        return;
    // A weave into the light or dark parts is carried out by the threshold
    // slider's reaction.
    if (group->part) {
        const int part = int(*group->part);
        m_target.setCheck1(part, true);
        m_target.setHScroll7(part, group->threshold);
    } else {
        m_target.setText2(group->ratio);
        m_target.getCommand();
    }

    m_target.selectTab(WovenTab);
    for (int i = 0; i < PictureCount; ++i)
        m_target.setFlgState(i, 1);
    m_target.setHScroll3(100);
    m_target.setHScroll2(0);
    m_target.setCheck1(0, false);
    m_target.setCheck1(1, false);
    m_target.setHScroll7(0, 255);
    m_target.setHScroll7(1, 0);
}

void Replayer::zoom(qsizetype line, int tab)
{
    // The copy state is not put back: the replay's own states are the ones
    // the recipe was made with. A group whose state line is broken is still
    // skipped as a whole.
    const auto group = readZoomGroup(m_lines, line);
    if (!group)
        return;
    m_target.setText4(group->percent);
    m_target.selectTab(tab);
    m_target.MotoeZoom();
}

void Replayer::tone(qsizetype line, int)
{
    const auto group = readToneGroup(m_lines, line);
    if (!group || !isPictureNumber(group->target))
        return;
    m_target.selectTab(group->target + BaseTab);
    // The logged state is the one the tone left behind. An untoned copy (3)
    // is not claimed before the tone: replay has not taken that copy, and
    // the tone takes it itself.
    if (group->copyState != 3)
        m_target.setFlgState(group->target, group->copyState);
    m_target.setText3(group->amount);
    m_target.Command3_Click(ToneButton);
}

void Replayer::effect(qsizetype line, int button)
{
    const auto target = readEffectTarget(m_lines, line);
    if (!target || !isPictureNumber(*target))
        return;
    m_target.selectTab(*target + BaseTab);
    m_target.Command3_Click(button);
}

void Replayer::colorStep(qsizetype line, int)
{
    const auto group = readColorStepGroup(m_lines, line);
    if (!group || group->channel < 0 || group->channel >= Command8Count)
        return;
    m_target.setText6(group->step);
    m_target.Command8_Click(group->channel);
}

void Replayer::fixText(qsizetype, int)
{
    m_target.Command13_Click();
}

void Replayer::eraseText(qsizetype, int)
{
    m_target.clearPicture1TextLayer();
}

void Replayer::drawText(qsizetype line, int)
{
    const auto written = readTextWrittenGroup(m_lines, line);
    if (!written)
        return;
    m_target.morikotoba_Click();
    m_target.setText7Text(written->text);
    m_target.setText7Left(written->left);
    m_target.setText7Top(written->top);
    m_target.setText7Font(written->font);
    m_target.setText7ForeColor(written->color);
    m_target.setText7FontName(written->fontName);
    m_target.setText7FontSize(written->fontSize);
    m_target.setText7FontBold(written->bold);
    m_target.setText7FontItalic(written->italic);
    m_target.setText7FontUnderline(written->underline);
    m_target.Command11_Click();
}

} // namespace

void KotobaSaisei(const QStringList &LstlogBack, ReplayTarget &target)
{
    Replayer(LstlogBack, target).run();
}

} // namespace weftara::recipes
