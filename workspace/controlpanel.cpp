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
constexpr int ColorsLeft = 156;

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
    using engine::ChannelStep;

    setObjectName(QStringLiteral("controlPanel"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setFont(panelFont(font(), ControlFontPixels));
    setFixedSize(platform::twipsToPixels(WidthTwips), platform::twipsToPixels(HeightTwips));

    m_title = makeTitle(this, QStringLiteral("コントロール"),
                        QRect(TitleLeft, Row1Top, TitleWidth, Row1Height));
    m_title->setObjectName(QStringLiteral("title"));

    // Effects in two rows: single colour, solarise, emphasis over the three
    // edge fades in the order of their edges (left, top, right).
    const auto effect = [this](EffectButton button, const QString &caption, const QRect &place,
                               const QString &name) {
        m_effectButtons[button] = makeButton(this, caption, place);
        m_effectButtons[button]->setObjectName(name);
    };
    effect(EffectButton::Gray, QStringLiteral("単色"), cell(EffectsLeft, 0, 0), QStringLiteral("grayButton"));
    effect(EffectButton::Solarize, QStringLiteral("ｿﾗﾘ"), cell(EffectsLeft, 1, 0), QStringLiteral("solarizeButton"));
    effect(EffectButton::Emphasize, QStringLiteral("強調"), cell(EffectsLeft, 2, 0),
           QStringLiteral("emphasizeButton"));
    effect(EffectButton::FadeLeft, QStringLiteral("左 F"), cell(EffectsLeft, 0, 1), QStringLiteral("fadeLeftButton"));
    effect(EffectButton::FadeTop, QStringLiteral("上 F"), cell(EffectsLeft, 1, 1), QStringLiteral("fadeTopButton"));
    effect(EffectButton::FadeRight, QStringLiteral("右 F"), cell(EffectsLeft, 2, 1),
           QStringLiteral("fadeRightButton"));

    // Colour buttons: raising over lowering, red, green, blue left to right.
    const auto channel = [this](ChannelStep step, const QString &caption, int column, int row,
                                const QString &name) {
        m_channelButtons[step] = makeButton(this, caption, cell(ColorsLeft, column, row));
        m_channelButtons[step]->setObjectName(name);
    };
    channel(ChannelStep::RedUp, QStringLiteral("赤強"), 0, 0, QStringLiteral("redUpButton"));
    channel(ChannelStep::GreenUp, QStringLiteral("緑強"), 1, 0, QStringLiteral("greenUpButton"));
    channel(ChannelStep::BlueUp, QStringLiteral("青強"), 2, 0, QStringLiteral("blueUpButton"));
    channel(ChannelStep::RedDown, QStringLiteral("赤弱"), 0, 1, QStringLiteral("redDownButton"));
    channel(ChannelStep::GreenDown, QStringLiteral("緑弱"), 1, 1, QStringLiteral("greenDownButton"));
    channel(ChannelStep::BlueDown, QStringLiteral("青弱"), 2, 1, QStringLiteral("blueDownButton"));

    // The slider groups: the apply button (or the step's label) and the box
    // above the slider they belong to.
    effect(EffectButton::Weave, QStringLiteral("織込比"), groupHead(0), QStringLiteral("weaveButton"));
    m_weaveRatioBox = makeBox(this, QStringLiteral("50"), groupBox(0));
    m_weaveRatioSlider = makeSlider(this, 1, 100, 50, 1, groupSlider(0));

    effect(EffectButton::Tone, QStringLiteral("濃淡"), groupHead(1), QStringLiteral("toneButton"));
    m_toneBox = makeBox(this, QStringLiteral("0"), groupBox(1));
    m_toneSlider = makeSlider(this, -100, 100, 0, 20, groupSlider(1));

    effect(EffectButton::Zoom, QStringLiteral("ｽﾞｰﾑ"), groupHead(2), QStringLiteral("zoomButton"));
    m_zoomBox = makeBox(this, QStringLiteral("100"), groupBox(2));
    m_zoomSlider = makeSlider(this, 1, 500, 100, 1, groupSlider(2));

    QLabel *stepLabel = makeLabel(this, QStringLiteral("変化量"), groupHead(3));
    stepLabel->setObjectName(QStringLiteral("colorStepLabel"));
    m_colorStepBox = makeBox(this, QStringLiteral("20"), groupBox(3));
    m_colorStepSlider = makeSlider(this, 0, 255, 20, 20, groupSlider(3));

    m_closeButton = makeButton(this, QStringLiteral("×"), QRect(CloseLeft, Row1Top, CloseSize, CloseSize));

    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_weaveRatioSlider->setObjectName(QStringLiteral("weaveRatioSlider"));
    m_toneSlider->setObjectName(QStringLiteral("toneSlider"));
    m_zoomSlider->setObjectName(QStringLiteral("zoomSlider"));
    m_colorStepSlider->setObjectName(QStringLiteral("colorStepSlider"));
    m_weaveRatioBox->setObjectName(QStringLiteral("weaveRatioBox"));
    m_toneBox->setObjectName(QStringLiteral("toneBox"));
    m_zoomBox->setObjectName(QStringLiteral("zoomBox"));
    m_colorStepBox->setObjectName(QStringLiteral("colorStepBox"));

    // A screen reader names each box and slider after the caption beside it.
    m_closeButton->setAccessibleName(QStringLiteral("閉じる"));
    const auto nameGroup = [](QWidget *box, QWidget *slider, const QString &name) {
        box->setAccessibleName(name);
        slider->setAccessibleName(name);
    };
    nameGroup(m_weaveRatioBox, m_weaveRatioSlider, QStringLiteral("織込比"));
    nameGroup(m_toneBox, m_toneSlider, QStringLiteral("濃淡"));
    nameGroup(m_zoomBox, m_zoomSlider, QStringLiteral("ｽﾞｰﾑ"));
    nameGroup(m_colorStepBox, m_colorStepSlider, QStringLiteral("変化量"));
}

} // namespace weftara::workspace
