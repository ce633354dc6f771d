#include "workspace/controlpanel.h"

#include "platform/twips.h"
#include "workspace/panelcontrols.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace weftara::workspace {

namespace {

// The panel is only 46 pixels high: a smaller font than the other panels'.
constexpr int ControlFontPixels = 10;

// Pixel grid of the panel (547 × 46): two rows of controls, then columns for
// the heading, the effect buttons, the colour buttons, the four slider
// groups and the close button.
constexpr int Row1Top = 3;
constexpr int Row1Height = 20;
constexpr int Row2Top = 24;
constexpr int Row2Height = 19;

constexpr int TitleLeft = 3;
constexpr int TitleWidth = 66;

constexpr int ButtonWidth = 26;
constexpr int ButtonPitch = 27;
constexpr int EffectsLeft = 72;
constexpr int ColoursLeft = 156;

constexpr int GroupsLeft = 241;
constexpr int GroupWidth = 68;
constexpr int GroupPitch = 70;
constexpr int GroupButtonWidth = 35;
constexpr int GroupBoxWidth = 32;

constexpr int CloseLeft = 526;
constexpr int CloseSize = 16;

QRect cell(int left, int column, int row)
{
    return row == 0 ? QRect(left + column * ButtonPitch, Row1Top, ButtonWidth, Row1Height)
                    : QRect(left + column * ButtonPitch, Row2Top, ButtonWidth, Row2Height);
}

QRect groupHead(int group)
{
    return {GroupsLeft + group * GroupPitch, Row1Top, GroupButtonWidth, Row1Height};
}

QRect groupBox(int group)
{
    return {GroupsLeft + group * GroupPitch + GroupWidth - GroupBoxWidth, Row1Top, GroupBoxWidth,
            Row1Height};
}

QRect groupSlider(int group)
{
    return {GroupsLeft + group * GroupPitch, Row2Top + 1, GroupWidth, Row2Height - 2};
}

} // namespace

ControlPanel::ControlPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setFont(panelFont(font(), ControlFontPixels));
    setFixedSize(platform::twipsToPixels(WidthTwips), platform::twipsToPixels(HeightTwips));

    m_title = makeTitle(this, QStringLiteral("コントロール"),
                        QRect(TitleLeft, Row1Top, TitleWidth, Row1Height));
    m_title->setObjectName(QStringLiteral("Label2"));

    // Effects in two rows: single colour, solarise, emphasis over the three
    // edge fades in the order of their edges (left, top, right).
    m_command3[0] = makeButton(this, QStringLiteral("単色"), cell(EffectsLeft, 0, 0));
    m_command3[1] = makeButton(this, QStringLiteral("ｿﾗﾘ"), cell(EffectsLeft, 1, 0));
    m_command3[4] = makeButton(this, QStringLiteral("強調"), cell(EffectsLeft, 2, 0));
    m_command3[3] = makeButton(this, QStringLiteral("左 F"), cell(EffectsLeft, 0, 1));
    m_command3[2] = makeButton(this, QStringLiteral("上 F"), cell(EffectsLeft, 1, 1));
    m_command3[6] = makeButton(this, QStringLiteral("右 F"), cell(EffectsLeft, 2, 1));

    // Colour buttons: raising over lowering, red, green, blue left to right.
    m_command8[2] = makeButton(this, QStringLiteral("赤強"), cell(ColoursLeft, 0, 0));
    m_command8[1] = makeButton(this, QStringLiteral("緑強"), cell(ColoursLeft, 1, 0));
    m_command8[0] = makeButton(this, QStringLiteral("青強"), cell(ColoursLeft, 2, 0));
    m_command8[5] = makeButton(this, QStringLiteral("赤弱"), cell(ColoursLeft, 0, 1));
    m_command8[4] = makeButton(this, QStringLiteral("緑弱"), cell(ColoursLeft, 1, 1));
    m_command8[3] = makeButton(this, QStringLiteral("青弱"), cell(ColoursLeft, 2, 1));

    // The slider groups: the apply button (or the step's label) and the box
    // above the slider they belong to.
    m_command3[10] = makeButton(this, QStringLiteral("織込比"), groupHead(0));
    m_text2 = makeBox(this, QStringLiteral("50"), groupBox(0));
    m_hScroll1 = makeSlider(this, 1, 100, 50, 1, groupSlider(0));

    m_command3[8] = makeButton(this, QStringLiteral("濃淡"), groupHead(1));
    m_text3 = makeBox(this, QStringLiteral("0"), groupBox(1));
    m_hScroll2 = makeSlider(this, -100, 100, 0, 20, groupSlider(1));

    m_command3[7] = makeButton(this, QStringLiteral("ｽﾞｰﾑ"), groupHead(2));
    m_text4 = makeBox(this, QStringLiteral("100"), groupBox(2));
    m_hScroll3 = makeSlider(this, 1, 500, 100, 1, groupSlider(2));

    QLabel *stepLabel = makeLabel(this, QStringLiteral("変化量"), groupHead(3));
    stepLabel->setObjectName(QStringLiteral("Label3"));
    m_text6 = makeBox(this, QStringLiteral("20"), groupBox(3));
    m_hScroll4 = makeSlider(this, 0, 255, 20, 20, groupSlider(3));

    m_command2 = makeButton(this, QStringLiteral("×"), QRect(CloseLeft, Row1Top, CloseSize, CloseSize));

    const std::array<int, 9> command3Indices{0, 1, 2, 3, 4, 6, 7, 8, 10};
    for (int i : command3Indices)
        m_command3[std::size_t(i)]->setObjectName(QStringLiteral("Command3_%1").arg(i));
    for (int i = 0; i < 6; ++i)
        m_command8[std::size_t(i)]->setObjectName(QStringLiteral("Command8_%1").arg(i));
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_hScroll1->setObjectName(QStringLiteral("HScroll1"));
    m_hScroll2->setObjectName(QStringLiteral("HScroll2"));
    m_hScroll3->setObjectName(QStringLiteral("HScroll3"));
    m_hScroll4->setObjectName(QStringLiteral("HScroll4"));
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text3->setObjectName(QStringLiteral("Text3"));
    m_text4->setObjectName(QStringLiteral("Text4"));
    m_text6->setObjectName(QStringLiteral("Text6"));
}

QPushButton *ControlPanel::Command3(int index) const
{
    if (index < 0 || index >= int(m_command3.size()))
        return nullptr;
    return m_command3[std::size_t(index)];
}

QPushButton *ControlPanel::Command8(int index) const
{
    if (index < 0 || index >= int(m_command8.size()))
        return nullptr;
    return m_command8[std::size_t(index)];
}

} // namespace weftara::workspace
