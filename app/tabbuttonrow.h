#pragma once

#include <QLabel>
#include <QObject>
#include <QPoint>

#include <array>

namespace weftara::app {

// A picture that acts as a button: a click (press and release on it)
// sends clicked().
class PictureButton : public QLabel
{
    Q_OBJECT

public:
    explicit PictureButton(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

// The row of picture buttons over the tab strip's tabs: Picture5(i) in the
// normal look and Picture4(i) in the selected look, i = 0 … 4 for tabs
// 1 … 5. A click on either selects tab i + 1 as a click on the tab does.
// The selected look follows the tab being changed to.
class TabButtonRow : public QObject
{
    Q_OBJECT

public:
    // The buttons are children of `parent`, hidden until placed.
    explicit TabButtonRow(QWidget *parent);

    PictureButton *Picture4(int i) const { return m_picture4.at(std::size_t(i)); }
    PictureButton *Picture5(int i) const { return m_picture5.at(std::size_t(i)); }

    // Places both buttons of tab i + 1 at (left + 50 + 1000 × i, top + 40)
    // twips from the tab strip's top-left corner (given in twips), brings
    // them to the front and shows every button in its normal look.
    void place(QPoint tabStripTopLeftTwips);
    // Shows the selected look on tab `tab` (1 … 5) and the normal look on
    // the others.
    void showSelected(int tab);

signals:
    // Tab `tab` (1 … 5) was clicked through its button.
    void tabClicked(int tab);

private:
    std::array<PictureButton *, 5> m_picture4{};
    std::array<PictureButton *, 5> m_picture5{};
};

} // namespace weftara::app
