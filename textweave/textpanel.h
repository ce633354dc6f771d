#pragma once

#include <QFrame>
#include <QListWidget>
#include <QPointer>

#include <array>

class QColor;
class QLabel;
class QLineEdit;
class QPushButton;

namespace weftara::textweave {

// The text panel Frame3: font, size and colour of the text, vertical
// writing, and the draw / erase / fix / close buttons. It takes the control
// panel's place while text mode is on. It only builds and places its
// controls; the text handlers connect to them.
//
// The font size list List5 drops below the panel, so it is a sibling of the
// panel (a child of the panel's parent), not a child.
class TextPanel : public QFrame
{
    Q_OBJECT

public:
    static constexpr int WidthTwips = 5055;
    // The sizes offered by List5, in points.
    static constexpr std::array<int, 37> FontSizes{
        8,  9,  10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40, 42,
        44, 46, 48, 50, 52, 54, 56, 58, 60, 62, 64, 66, 68, 70, 76, 88, 96, 100};

    explicit TextPanel(QWidget *parent);

    QPushButton *Command10() const { return m_command10; } // フォント設定
    QPushButton *Command20() const { return m_command20; } // ﾌｫﾝﾄｻｲｽﾞ
    QPushButton *Command12() const { return m_command12; } // 文字の色
    QPushButton *Command16() const { return m_command16; } // 縦書き
    QPushButton *Command11() const { return m_command11; } // 決定
    QPushButton *Command9() const { return m_command9; }   // 取消
    QPushButton *Command7() const { return m_command7; }   // 織込
    QPushButton *Command13() const { return m_command13; } // 閉じる
    QLineEdit *Text8() const { return m_text8; }           // font size
    // 0 "ﾌｫﾝﾄｻｲｽﾞ", 1 "ﾌｫﾝﾄ名", 2 "文字の色" (the colour sample);
    // nullptr for any other index.
    QLabel *Label4(int index) const;
    QLabel *Label5() const { return m_label5; } // the font name
    QListWidget *List5() const { return m_list5.data(); }

    // Takes the place of `frame1`: its left and top, 5055 twips wide and
    // as high as `frame1`.
    void placeAt(const QWidget &frame1);
    // Label5 shows `name`; with `inThatFont` also written in that font.
    void showFontName(const QString &name, bool inThatFont);
    // Label4(2) is written in `color`.
    void showColor(const QColor &color);
    // Fills List5 with the sizes and shows it just below the panel, under
    // Command20's left edge.
    void dropFontSizeList();

    // Hiding the panel also hides its font size list.
    void setVisible(bool visible) override;

private:
    QPushButton *m_command10 = nullptr;
    QPushButton *m_command20 = nullptr;
    QPushButton *m_command12 = nullptr;
    QPushButton *m_command16 = nullptr;
    QPushButton *m_command11 = nullptr;
    QPushButton *m_command9 = nullptr;
    QPushButton *m_command7 = nullptr;
    QPushButton *m_command13 = nullptr;
    QLineEdit *m_text8 = nullptr;
    std::array<QLabel *, 3> m_label4{};
    QLabel *m_label5 = nullptr;
    QPointer<QListWidget> m_list5;
};

} // namespace weftara::textweave
