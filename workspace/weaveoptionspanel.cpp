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

// Where a threshold's heading and slider stand.
struct ThresholdRows
{
    int labelTop;
    int sliderTop;
};

} // namespace

WeaveOptionsPanel::WeaveOptionsPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("weaveOptionsPanel"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setFont(panelFont(font(), PanelFontPixels));
    setFixedSize(platform::twipsToPixels(WidthTwips), platform::twipsToPixels(HeightTwips));

    m_title = makeTitle(this, QStringLiteral("織り込み処理"), QRect(3, 3, 192, 20));
    m_title->setObjectName(QStringLiteral("title"));
    m_closeButton = makeButton(this, QStringLiteral("×"), QRect(199, 4, 17, 18));
    m_closeButton->setObjectName(QStringLiteral("closeButton"));

    m_helpBox = new QPlainTextEdit(this);
    m_helpBox->setObjectName(QStringLiteral("helpBox"));
    m_helpBox->setReadOnly(true);
    m_helpBox->setGeometry(Margin, 30, InnerWidth, 112);

    struct Part
    {
        QString option;
        QString heading;
        int threshold;
        ThresholdRows rows;
        QString name; // "light" or "dark", the start of the controls' names
    };
    const std::array<Part, 2> parts{{
        {QStringLiteral("元絵の白い部分に織り込む"), QStringLiteral("白い色しきい値"), 255, {218, 238},
         QStringLiteral("light")},
        {QStringLiteral("元絵の黒い部分に織り込む"), QStringLiteral("黒い色しきい値"), 0, {272, 292},
         QStringLiteral("dark")},
    }};
    for (const engine::WeavePart part : WeaveParts) {
        const Part &p = parts[std::size_t(part)];
        const int i = int(part);
        m_weaveOptionCheckBoxes[part] = new QCheckBox(p.option, this);
        m_weaveOptionCheckBoxes[part]->setObjectName(p.name + QStringLiteral("OnlyCheckBox"));
        m_weaveOptionCheckBoxes[part]->setGeometry(Margin, 152 + i * 26, InnerWidth, 22);

        m_thresholdLabels[part] = makeLabel(this, p.heading, QRect(Margin, p.rows.labelTop, InnerWidth, 18));
        m_thresholdLabels[part]->setObjectName(p.name + QStringLiteral("ThresholdLabel"));
        m_thresholdSliders[part] = makeSlider(this, 0, 255, p.threshold, 10,
                                              QRect(Margin, p.rows.sliderTop + 1, SliderWidth, 17));
        m_thresholdSliders[part]->setObjectName(p.name + QStringLiteral("ThresholdSlider"));
        m_thresholdBoxes[part] = makeBox(this, QString::number(p.threshold),
                                         QRect(Margin + InnerWidth - BoxWidth, p.rows.sliderTop, BoxWidth, 20));
        m_thresholdBoxes[part]->setObjectName(p.name + QStringLiteral("ThresholdBox"));
        m_thresholdSliders[part]->setAccessibleName(p.heading);
        m_thresholdBoxes[part]->setAccessibleName(p.heading);
    }
    m_closeButton->setAccessibleName(QStringLiteral("閉じる"));
    m_helpBox->setAccessibleName(QStringLiteral("説明"));
    workspace::setTabOrder({m_helpBox, m_weaveOptionCheckBoxes[engine::WeavePart::Light],
                            m_thresholdSliders[engine::WeavePart::Light], m_thresholdBoxes[engine::WeavePart::Light],
                            m_weaveOptionCheckBoxes[engine::WeavePart::Dark], m_thresholdSliders[engine::WeavePart::Dark],
                            m_thresholdBoxes[engine::WeavePart::Dark], m_closeButton});

    hide();
}

} // namespace weftara::workspace
