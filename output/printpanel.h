#pragma once

#include <QFrame>
#include <QListWidget>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace weftara::output {

// The print panel: the paper size, the picture's size and place on the
// page, the number of copies, and the buttons that print, show the whole
// page, compose the page for text and close. It takes the control panel's
// place while it is open. It only builds and places its controls; Printing
// connects them.
//
// The paper list drops over the picture area, so it is a sibling of the
// panel (a child of the panel's parent), not a child.
class PrintPanel : public QFrame
{
    Q_OBJECT

public:
    static constexpr int WidthTwips = 7755;
    // The paper list's size in twips.
    static constexpr int PaperListWidthTwips = 3000;
    static constexpr int PaperListHeightTwips = 1000;

    explicit PrintPanel(QWidget *parent);

    QLineEdit *paperWidthBox() const { return m_paperWidthBox; }
    QLineEdit *paperHeightBox() const { return m_paperHeightBox; }
    QPushButton *paperButton() const { return m_paperButton; }
    QListWidget *paperList() const { return m_paperList.data(); }
    QScrollBar *pictureSizeSlider() const { return m_pictureSizeSlider; }
    QScrollBar *pictureLeftSlider() const { return m_pictureLeftSlider; }
    QScrollBar *pictureTopSlider() const { return m_pictureTopSlider; }
    QLineEdit *copiesBox() const { return m_copiesBox; }
    QPushButton *printButton() const { return m_printButton; }
    QPushButton *wholePageButton() const { return m_wholePageButton; }
    QPushButton *composeButton() const { return m_composeButton; }
    QPushButton *closeButton() const { return m_closeButton; }

    // Takes the control panel's place: its left and top, 7755 twips wide and
    // as high as the control panel.
    void placeAt(const QWidget &controlPanel);
    // Fills the paper list with the paper sizes and shows it at the panel's
    // top, under the paper button's left edge.
    void dropPaperList();

    // Hiding the panel also hides its paper list.
    void setVisible(bool visible) override;

private:
    QLineEdit *m_paperWidthBox = nullptr;
    QLineEdit *m_paperHeightBox = nullptr;
    QPushButton *m_paperButton = nullptr;
    QPointer<QListWidget> m_paperList;
    QScrollBar *m_pictureSizeSlider = nullptr;
    QScrollBar *m_pictureLeftSlider = nullptr;
    QScrollBar *m_pictureTopSlider = nullptr;
    QLineEdit *m_copiesBox = nullptr;
    QPushButton *m_printButton = nullptr;
    QPushButton *m_wholePageButton = nullptr;
    QPushButton *m_composeButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};

} // namespace weftara::output
