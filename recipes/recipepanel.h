#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace weftara::recipes {

// The recipe panel, headed "織詞（Log)": the name box, the description box,
// the list of recipe names lying exactly over the list of the file's lines,
// and the buttons "保存", "削除", "CLS" and "×". It only builds and places
// the controls; RecipeBook reacts to them.
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

    QLabel *title() const { return m_title; }
    QLineEdit *nameBox() const { return m_nameBox; }
    QPlainTextEdit *descriptionBox() const { return m_descriptionBox; }
    QListWidget *nameList() const { return m_nameList; }
    QListWidget *lineList() const { return m_lineList; }
    QPushButton *saveButton() const { return m_saveButton; }
    QPushButton *deleteButton() const { return m_deleteButton; }
    QPushButton *clearButton() const { return m_clearButton; }
    QPushButton *closeButton() const { return m_closeButton; }

    // Puts the name list exactly over the line list and in front of it, so
    // that only the names show.
    void coverLineList();

private:
    QLabel *m_title = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLineEdit *m_nameBox = nullptr;
    QPlainTextEdit *m_descriptionBox = nullptr;
    QListWidget *m_nameList = nullptr;
    QListWidget *m_lineList = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_clearButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};

} // namespace weftara::recipes
