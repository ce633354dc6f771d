#include "recipes/replay.h"

#include "recipes/logvalues.h"
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
        QStringView key;
        Action action;
        int button; // Command3 index for the effect commands
    };

    void motoe(qsizetype line, int);
    void garae(qsizetype line, int);
    void orikomi(qsizetype line, int);
    void baseZoom(qsizetype line, int);
    void wovenZoom(qsizetype line, int);
    void zoom(qsizetype line, int tab);
    void noutan(qsizetype line, int);
    void effect(qsizetype line, int button);
    void colourStep(qsizetype line, int);
    void fixText(qsizetype line, int);
    void eraseText(qsizetype line, int);
    void writeText(qsizetype line, int);

    std::optional<QStringView> parameter(qsizetype line, qsizetype distance, qsizetype keyLength) const
    {
        return parameterValue(m_lines, line, distance, keyLength);
    }

    std::optional<qint16> int16Parameter(qsizetype line, qsizetype distance, qsizetype keyLength) const
    {
        const auto value = parameter(line, distance, keyLength);
        return value ? readInt16Value(*value) : std::nullopt;
    }

    // In test order; the first key the line begins with decides.
    static constexpr std::array<Command, 16> Commands = {{
        {u"Motoe=", &Replayer::motoe, 0},
        {u"Garae=", &Replayer::garae, 0},
        {u"Orikomi", &Replayer::orikomi, 0},
        {u"sZoom", &Replayer::baseZoom, 0},
        {u"oZoom", &Replayer::wovenZoom, 0},
        {u"Noutan", &Replayer::noutan, 0},
        {u"単色", &Replayer::effect, 0},
        {u"ソラリ", &Replayer::effect, 1},
        {u"上下", &Replayer::effect, 2},
        {u"左", &Replayer::effect, 6},
        {u"右", &Replayer::effect, 3},
        {u"強調", &Replayer::effect, 4},
        {u"色", &Replayer::colourStep, 0},
        {u"文字織込", &Replayer::fixText, 0},
        {u"文字消去", &Replayer::eraseText, 0},
        {u"MojiKakikomi", &Replayer::writeText, 0},
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
            if (line.startsWith(command.key)) {
                (this->*command.action)(i, command.button);
                break;
            }
        }
    }
}

void Replayer::motoe(qsizetype line, int)
{
    m_target.MotoeLoad(m_lines[line].sliced(6));
    m_target.hidePicture1(1);
    m_target.hidePicture1(2);
    m_target.setMotoeSentakuFlg(true);
    m_target.setOrikomiFlg(false);
}

void Replayer::garae(qsizetype line, int)
{
    m_target.GaraeLoad(m_lines[line].sliced(6));
    m_target.setGaraeSentakuFlg(true);
    m_target.setOrikomiFlg(false);
    m_target.selectTab(PatternTab);
}

void Replayer::orikomi(qsizetype line, int)
{
    // A threshold line two above makes this a weave into the light (1) or
    // dark (2) parts, carried out by the threshold slider's reaction.
    int threshold = -1;
    const auto twoAbove = parameter(line, 2, 0);
    if (twoAbove && twoAbove->startsWith(u"ChechValue1="))
        threshold = 0;
    else if (twoAbove && twoAbove->startsWith(u"ChechValue2="))
        threshold = 1;

    if (threshold >= 0) {
        const auto value = readInt16Value(twoAbove->sliced(12));
        if (!value)
            return;
        m_target.setCheck1(threshold, true);
        m_target.setHScroll7(threshold, *value);
    } else {
        const auto ratio = parameter(line, 1, 6);
        if (!ratio)
            return;
        m_target.setText2(ratio->toString());
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

void Replayer::baseZoom(qsizetype line, int)
{
    zoom(line, BaseTab);
}

void Replayer::wovenZoom(qsizetype line, int)
{
    zoom(line, WovenTab);
}

void Replayer::zoom(qsizetype line, int tab)
{
    const auto percent = parameter(line, 2, 6);
    const auto state = int16Parameter(line, 1, 12);
    if (!percent || !state)
        return;
    m_target.setText4(percent->toString());
    // The state line carries the woven picture's state at the time of the
    // zoom; putting it into the base's state made a zoom after a base tone
    // start from the untoned copy. The replay's own state is the one the
    // recipe was made with. A group whose state line is broken is still
    // skipped as a whole.
    m_target.selectTab(tab);
    m_target.MotoeZoom();
}

void Replayer::noutan(qsizetype line, int)
{
    const auto picture = int16Parameter(line, 3, 10);
    const auto state = int16Parameter(line, 2, 12);
    const auto amount = parameter(line, 1, 11);
    if (!picture || !isPictureNumber(*picture) || !state || !amount)
        return;
    m_target.selectTab(*picture + BaseTab);
    // The logged state is the one the tone left behind. "3" (an untoned copy
    // is kept) is not put back before the tone: the copy it speaks of was
    // never taken in this replay, and the tone would start from whatever the
    // hidden surface holds. Nor is the woven picture's state forced to
    // "zoomed": a second woven tone would then start from the toned picture
    // instead of its untoned copy. The replay re-runs the same operations, so
    // its own states are the ones the recipe was made with.
    if (*state != 3)
        m_target.setFlgState(*picture, *state);
    m_target.setText3(amount->toString());
    m_target.Command3_Click(ToneButton);
}

void Replayer::effect(qsizetype line, int button)
{
    const auto picture = int16Parameter(line, 1, 13);
    if (!picture || !isPictureNumber(*picture))
        return;
    m_target.selectTab(*picture + BaseTab);
    m_target.Command3_Click(button);
}

void Replayer::colourStep(qsizetype line, int)
{
    const auto amount = parameter(line, 2, 6);
    const auto button = int16Parameter(line, 1, 9);
    if (!amount || !button || *button < 0 || *button >= Command8Count)
        return;
    m_target.setText6(amount->toString());
    m_target.Command8_Click(*button);
}

void Replayer::fixText(qsizetype, int)
{
    m_target.Command13_Click();
}

void Replayer::eraseText(qsizetype, int)
{
    m_target.clearPicture1TextLayer();
}

void Replayer::writeText(qsizetype line, int)
{
    const auto written = readTextWrittenGroup(m_lines, line);
    if (!written)
        return;
    m_target.morikotoba_Click();
    m_target.setText7Text(written->text);
    m_target.setText7Left(written->left);
    m_target.setText7Top(written->top);
    m_target.setText7Font(written->font);
    m_target.setText7ForeColor(written->foreColor);
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
