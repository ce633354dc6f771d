#pragma once

#include <QFrame>
#include <QRect>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace weftara::workspace {

// The control panel Frame1, headed "コントロール": the effect buttons
// Command3, the colour buttons Command8, the close button Command2 and the
// four sliders with their boxes. It only builds and places the controls;
// the form connects them to the handlers.
class ControlPanel : public QFrame
{
    Q_OBJECT

public:
    // Fixed size in twips (8205 × 690).
    static constexpr int WidthTwips = 8205;
    static constexpr int HeightTwips = 690;

    explicit ControlPanel(QWidget *parent = nullptr);

    QLabel *title() const { return m_title; }
    // Indices 0-4, 6, 7, 8, 10; nullptr for any other index.
    QPushButton *Command3(int index) const;
    // Indices 0-5; nullptr for any other index.
    QPushButton *Command8(int index) const;
    QPushButton *Command2() const { return m_command2; }

    QScrollBar *HScroll1() const { return m_hScroll1; }
    QScrollBar *HScroll2() const { return m_hScroll2; }
    QScrollBar *HScroll3() const { return m_hScroll3; }
    QScrollBar *HScroll4() const { return m_hScroll4; }
    QLineEdit *Text2() const { return m_text2; }
    QLineEdit *Text3() const { return m_text3; }
    QLineEdit *Text4() const { return m_text4; }
    QLineEdit *Text6() const { return m_text6; }

private:
    QLabel *m_title = nullptr;
    std::array<QPushButton *, 11> m_command3{};
    std::array<QPushButton *, 6> m_command8{};
    QPushButton *m_command2 = nullptr;
    QScrollBar *m_hScroll1 = nullptr;
    QScrollBar *m_hScroll2 = nullptr;
    QScrollBar *m_hScroll3 = nullptr;
    QScrollBar *m_hScroll4 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QLineEdit *m_text3 = nullptr;
    QLineEdit *m_text4 = nullptr;
    QLineEdit *m_text6 = nullptr;
};

} // namespace weftara::workspace
