#pragma once

#include <QFrame>
#include <QRect>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace weftara::help {

// The tutorial panel, headed "チュートリアル": the tutorial text, the check
// box "次回からチュートリアルを表示しない", "書込" and "×". It only builds
// and places the controls; Tutorial reacts to them.
class TutorialPanel : public QFrame
{
    Q_OBJECT

public:
    static constexpr int WidthTwips = 5235;

    explicit TutorialPanel(QWidget *parent = nullptr);

    QLabel *title() const { return m_title; }
    QPlainTextEdit *tutorialBox() const { return m_tutorialBox; }
    QCheckBox *hideNextTimeCheckBox() const { return m_hideNextTimeCheckBox; }
    QPushButton *writeButton() const { return m_writeButton; }
    QPushButton *closeButton() const { return m_closeButton; }

    // Where the panel goes over the tab strip (both in twips of the parent):
    // along the strip's right part, from its top to 500 twips above its bottom.
    static QRect placeTwips(const QRect &tabStripTwips);

    // Places the panel by placeTwips and its controls inside it: the text
    // fills the panel but for the title row and the row of the check box
    // and "書込" below it.
    void placeOver(const QRect &tabStripTwips);

private:
    QLabel *m_title = nullptr;
    QPlainTextEdit *m_tutorialBox = nullptr;
    QCheckBox *m_hideNextTimeCheckBox = nullptr;
    QPushButton *m_writeButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};

} // namespace weftara::help
