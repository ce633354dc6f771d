#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <initializer_list>

class QFont;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QPoint;
class QScrollBar;
class QSize;
class QWidget;

namespace weftara::workspace {

// Small builders shared by the workspace panels. Every control is placed at
// a fixed pixel rectangle inside its panel, whose size is fixed in twips.

// The compact font of the panels: the application font at a pixel size.
inline constexpr int PanelFontPixels = 11;
QFont panelFont(const QFont &base, int pixels);
// A panel's raised box, filled background, name and font.
void setUpPanel(QFrame &panel, const QString &name, int fontPixels);

// The panels that take the control panel's place are as high as it is (46
// pixels): two rows of controls in a smaller font.
inline constexpr int BarFontPixels = 10;
QRect upperRow(int left, int width);
QRect lowerRow(int left, int width);

// A title label (the panel's heading, also its drag handle).
QLabel *makeTitle(QWidget *parent, const QString &text, const QRect &geometry);
QLabel *makeLabel(QWidget *parent, const QString &text, const QRect &geometry);
QPushButton *makeButton(QWidget *parent, const QString &caption, const QRect &geometry);
QLineEdit *makeBox(QWidget *parent, const QString &text, const QRect &geometry);

// Gives the keyboard's Tab key this order through the controls.
void setTabOrder(std::initializer_list<QWidget *> controls);

// A horizontal slider that reports a value once per completed change (the
// release of a drag, an arrow or trough click, a value set from code), not
// for every value passed while the thumb is dragged.
QScrollBar *makeSlider(QWidget *parent, int minimum, int maximum, int value, int pageStep,
                       const QRect &geometry);

// Fills `list` with `items` and shows it above everything at `at` (the
// panel's coordinates), `size` pixels. The list is a sibling of the panel,
// so that it can reach past the panel's edges.
void dropList(QListWidget &list, const QWidget &panel, QPoint at, QSize size, const QStringList &items);

} // namespace weftara::workspace
