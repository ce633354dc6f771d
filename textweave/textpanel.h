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

// The text panel: font, size and colour of the text, vertical writing, and
// the draw / erase / fix / close buttons. It takes the control panel's place
// while text mode is on. It only builds and places its controls; the text
// handlers connect to them.
//
// The font size list drops below the panel, so it is a sibling of the panel
// (a child of the panel's parent), not a child.
class TextPanel : public QFrame
{
    Q_OBJECT

public:
    static constexpr int WidthTwips = 5055;
    // The sizes the font size list offers, in points.
    static constexpr std::array<int, 37> FontSizes{
        8,  9,  10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40, 42,
        44, 46, 48, 50, 52, 54, 56, 58, 60, 62, 64, 66, 68, 70, 76, 88, 96, 100};

    explicit TextPanel(QWidget *parent);

    QPushButton *fontButton() const { return m_fontButton; }
    QPushButton *fontSizeButton() const { return m_fontSizeButton; }
    QPushButton *colorButton() const { return m_colorButton; }
    QPushButton *verticalButton() const { return m_verticalButton; }
    QPushButton *drawButton() const { return m_drawButton; }
    QPushButton *eraseButton() const { return m_eraseButton; }
    QPushButton *fixButton() const { return m_fixButton; }
    QPushButton *closeButton() const { return m_closeButton; }
    QLineEdit *fontSizeBox() const { return m_fontSizeBox; }
    // Shows the text colour.
    QLabel *colorSampleLabel() const { return m_colorSampleLabel; }
    QLabel *fontNameLabel() const { return m_fontNameLabel; }
    QListWidget *fontSizeList() const { return m_fontSizeList.data(); }

    // Takes the control panel's place: its left and top, 5055 twips wide and
    // as high as the control panel.
    void placeAt(const QWidget &controlPanel);
    // The font name label shows `name`; with `inThatFont` also written in
    // that font.
    void showFontName(const QString &name, bool inThatFont);
    // The colour sample is written in `color`.
    void showColor(const QColor &color);
    // Fills the font size list with the sizes and shows it just below the
    // panel, under the font size button's left edge.
    void dropFontSizeList();

    // Hiding the panel also hides its font size list.
    void setVisible(bool visible) override;

private:
    QPushButton *m_fontButton = nullptr;
    QPushButton *m_fontSizeButton = nullptr;
    QPushButton *m_colorButton = nullptr;
    QPushButton *m_verticalButton = nullptr;
    QPushButton *m_drawButton = nullptr;
    QPushButton *m_eraseButton = nullptr;
    QPushButton *m_fixButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QLineEdit *m_fontSizeBox = nullptr;
    QLabel *m_colorSampleLabel = nullptr;
    QLabel *m_fontNameLabel = nullptr;
    QPointer<QListWidget> m_fontSizeList;
};

} // namespace weftara::textweave
