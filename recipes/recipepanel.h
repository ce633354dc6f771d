#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace weftara::recipes {

// The recipe panel Frame2, headed "織詞（Log)": the name box Text5, the
// description box Text11, the name list List3 lying exactly over the file's
// line list List2, and the buttons "保存", "削除", "CLS" and "×". It only
// builds and places the controls; RecipeBook reacts to them.
class RecipePanel : public QFrame
{
    Q_OBJECT

public:
    // Place and size when the panel is opened, in twips.
    static constexpr int LeftTwips = 6000;
    static constexpr int TopTwips = 1270;
    static constexpr int WidthTwips = 4065;
    static constexpr int HeightTwips = 6405;

    explicit RecipePanel(QWidget *parent = nullptr);

    QLabel *Label8() const { return m_label8; }
    QLabel *Label1() const { return m_label1; }
    QLineEdit *Text5() const { return m_text5; }
    QPlainTextEdit *Text11() const { return m_text11; }
    QListWidget *List3() const { return m_list3; }
    QListWidget *List2() const { return m_list2; }
    QPushButton *Command4() const { return m_command4; }
    QPushButton *Command5() const { return m_command5; }
    QPushButton *Command26() const { return m_command26; }
    QPushButton *Command6() const { return m_command6; }

    // Puts List3 exactly over List2 and in front of it, so that only the
    // names show.
    void coverList2();

private:
    QLabel *m_label8 = nullptr;
    QLabel *m_label1 = nullptr;
    QLineEdit *m_text5 = nullptr;
    QPlainTextEdit *m_text11 = nullptr;
    QListWidget *m_list3 = nullptr;
    QListWidget *m_list2 = nullptr;
    QPushButton *m_command4 = nullptr;
    QPushButton *m_command5 = nullptr;
    QPushButton *m_command26 = nullptr;
    QPushButton *m_command6 = nullptr;
};

} // namespace weftara::recipes
