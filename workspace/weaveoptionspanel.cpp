#include "workspace/weaveoptionspanel.h"

#include "platform/twips.h"
#include "workspace/panelcontrols.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace weftara::workspace {

namespace {

// Pixel grid of the panel (220 × 346).
constexpr int Margin = 6;
constexpr int InnerWidth = 208;
constexpr int BoxWidth = 40;
constexpr int SliderWidth = InnerWidth - BoxWidth - 4;

struct ThresholdRows
{
    int labelTop;
    int sliderTop;
};
constexpr std::array<ThresholdRows, 2> Thresholds{{{218, 238}, {272, 292}}};

} // namespace

WeaveOptionsPanel::WeaveOptionsPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("FrmOrikomi"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setFont(panelFont(font(), PanelFontPixels));
    setFixedSize(platform::twipsToPixels(WidthTwips), platform::twipsToPixels(HeightTwips));

    m_label9 = makeTitle(this, QStringLiteral("織り込み処理"), QRect(3, 3, 192, 20));
    m_label9->setObjectName(QStringLiteral("Label9"));
    m_command21 = makeButton(this, QStringLiteral("×"), QRect(199, 4, 17, 18));
    m_command21->setObjectName(QStringLiteral("Command21"));

    m_text13 = new QPlainTextEdit(this);
    m_text13->setObjectName(QStringLiteral("Text13"));
    m_text13->setReadOnly(true);
    m_text13->setGeometry(Margin, 30, InnerWidth, 112);

    const std::array<QString, 2> captions{QStringLiteral("元絵の白い部分に織り込む"),
                                          QStringLiteral("元絵の黒い部分に織り込む")};
    for (std::size_t i = 0; i < 2; ++i) {
        m_check1[i] = new QCheckBox(captions[i], this);
        m_check1[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
        m_check1[i]->setGeometry(Margin, 152 + int(i) * 26, InnerWidth, 22);
    }

    const std::array<QString, 2> headings{QStringLiteral("白い色しきい値"),
                                          QStringLiteral("黒い色しきい値")};
    const std::array<int, 2> defaults{255, 0};
    for (std::size_t i = 0; i < 2; ++i) {
        const ThresholdRows rows = Thresholds[i];
        m_label7[i] = makeLabel(this, headings[i], QRect(Margin, rows.labelTop, InnerWidth, 18));
        m_label7[i]->setObjectName(QStringLiteral("Label7_%1").arg(i + 4));
        m_hScroll7[i] = makeSlider(this, 0, 255, defaults[i], 10,
                                   QRect(Margin, rows.sliderTop + 1, SliderWidth, 17));
        m_hScroll7[i]->setObjectName(QStringLiteral("HScroll7_%1").arg(i));
        m_text12[i] = makeBox(this, QString::number(defaults[i]),
                              QRect(Margin + InnerWidth - BoxWidth, rows.sliderTop, BoxWidth, 20));
        m_text12[i]->setObjectName(QStringLiteral("Text12_%1").arg(i));
    }

    hide();
}

} // namespace weftara::workspace
