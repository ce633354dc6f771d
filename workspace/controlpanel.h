#pragma once

#include "engine/filters.h"
#include "workspace/workspace.h"

#include <QFrame>
#include <QRect>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace weftara::workspace {

// The control panel, headed "コントロール": the effect and apply buttons,
// the six colour buttons, the four sliders with their boxes and the close
// button. It only builds and places the controls; the form connects them
// to the handlers.
class ControlPanel : public QFrame
{
    Q_OBJECT

public:
    // Fixed size in twips.
    static constexpr int WidthTwips = 8205;
    static constexpr int HeightTwips = 690;

    explicit ControlPanel(QWidget *parent = nullptr);

    QLabel *title() const { return m_title; }
    QPushButton *effectButton(EffectButton button) const { return m_effectButtons[button]; }
    QPushButton *channelButton(engine::ChannelStep channel) const { return m_channelButtons[channel]; }
    QPushButton *closeButton() const { return m_closeButton; }

    QScrollBar *weaveRatioSlider() const { return m_weaveRatioSlider; }
    QScrollBar *toneSlider() const { return m_toneSlider; }
    QScrollBar *zoomSlider() const { return m_zoomSlider; }
    QScrollBar *colorStepSlider() const { return m_colorStepSlider; }
    QLineEdit *weaveRatioBox() const { return m_weaveRatioBox; }
    QLineEdit *toneBox() const { return m_toneBox; }
    QLineEdit *zoomBox() const { return m_zoomBox; }
    QLineEdit *colorStepBox() const { return m_colorStepBox; }

private:
    QLabel *m_title = nullptr;
    EnumArray<EffectButton, QPushButton *, 11> m_effectButtons;
    EnumArray<engine::ChannelStep, QPushButton *, 6> m_channelButtons;
    QPushButton *m_closeButton = nullptr;
    QScrollBar *m_weaveRatioSlider = nullptr;
    QScrollBar *m_toneSlider = nullptr;
    QScrollBar *m_zoomSlider = nullptr;
    QScrollBar *m_colorStepSlider = nullptr;
    QLineEdit *m_weaveRatioBox = nullptr;
    QLineEdit *m_toneBox = nullptr;
    QLineEdit *m_zoomBox = nullptr;
    QLineEdit *m_colorStepBox = nullptr;
};

} // namespace weftara::workspace
