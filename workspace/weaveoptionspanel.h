#pragma once

#include <QFrame>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace weftara::workspace {

// The weave options panel FrmOrikomi, headed "織り込み処理": the two check
// boxes that restrict the weave to the light or dark parts of the base, the
// two threshold sliders with their boxes, the help text and the close
// button. Hidden until the menu opens it.
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

    QLabel *Label9() const { return m_label9; }
    QPushButton *Command21() const { return m_command21; }
    QPlainTextEdit *Text13() const { return m_text13; }
    // Index 0: light parts / white threshold; 1: dark parts / black threshold.
    QCheckBox *Check1(int index) const { return m_check1.at(std::size_t(index)); }
    QLabel *Label7(int index) const { return m_label7.at(std::size_t(index - 4)); } // 4 or 5
    QScrollBar *HScroll7(int index) const { return m_hScroll7.at(std::size_t(index)); }
    QLineEdit *Text12(int index) const { return m_text12.at(std::size_t(index)); }

private:
    QLabel *m_label9 = nullptr;
    QPushButton *m_command21 = nullptr;
    QPlainTextEdit *m_text13 = nullptr;
    std::array<QCheckBox *, 2> m_check1{};
    std::array<QLabel *, 2> m_label7{};
    std::array<QScrollBar *, 2> m_hScroll7{};
    std::array<QLineEdit *, 2> m_text12{};
};

} // namespace weftara::workspace
