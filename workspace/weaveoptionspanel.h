#pragma once

#include "workspace/workspace.h"

#include <QFrame>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace weftara::workspace {

// The weave options panel, headed "織り込み処理": the two check boxes that
// restrict the weave to the light or dark parts of the base, the two
// threshold sliders with their boxes, the help text and the close button.
// Hidden until the menu opens it.
class WeaveOptionsPanel : public QFrame
{
    Q_OBJECT

public:
    // Where the menu places it, in twips.
    static constexpr int LeftTwips = 8235;
    static constexpr int TopTwips = 1000;
    static constexpr int WidthTwips = 3300;
    static constexpr int HeightTwips = 5190;

    explicit WeaveOptionsPanel(QWidget *parent = nullptr);

    QLabel *title() const { return m_title; }
    QPushButton *closeButton() const { return m_closeButton; }
    QPlainTextEdit *helpBox() const { return m_helpBox; }
    QCheckBox *weaveOptionCheckBox(engine::WeavePart part) const { return m_weaveOptionCheckBoxes[part]; }
    QLabel *thresholdLabel(engine::WeavePart part) const { return m_thresholdLabels[part]; }
    QScrollBar *thresholdSlider(engine::WeavePart part) const { return m_thresholdSliders[part]; }
    QLineEdit *thresholdBox(engine::WeavePart part) const { return m_thresholdBoxes[part]; }

private:
    QLabel *m_title = nullptr;
    QPushButton *m_closeButton = nullptr;
    QPlainTextEdit *m_helpBox = nullptr;
    PerWeavePart<QCheckBox *> m_weaveOptionCheckBoxes;
    PerWeavePart<QLabel *> m_thresholdLabels;
    PerWeavePart<QScrollBar *> m_thresholdSliders;
    PerWeavePart<QLineEdit *> m_thresholdBoxes;
};

} // namespace weftara::workspace
