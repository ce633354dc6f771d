#pragma once

#include "workspace/workspace.h"

#include <QObject>
#include <QPoint>

namespace weftara::app {

class PictureButton;

// The row of picture buttons over the tab strip's tabs, each in a normal and
// a selected look. A click on either selects its tab as a click on the tab
// does. The selected look follows the tab being changed to.
class TabButtonRow : public QObject
{
    Q_OBJECT

public:
    // The buttons are children of `parent`, hidden until placed.
    explicit TabButtonRow(QWidget *parent);

    PictureButton *normalButton(workspace::Tab tab) const { return m_normalButtons[tab]; }
    PictureButton *selectedButton(workspace::Tab tab) const { return m_selectedButtons[tab]; }

    // Places both buttons of the n-th tab (n from 0) at (left + 50 + 1000 × n,
    // top + 40) twips from the tab strip's top-left corner (given in twips),
    // brings them to the front and shows every button in its normal look.
    void place(QPoint tabStripTopLeftTwips);
    // Shows the selected look on `tab` and the normal look on the others.
    void showSelected(workspace::Tab tab);

signals:
    // The tab was clicked through its button.
    void tabClicked(weftara::workspace::Tab tab);

private:
    workspace::PerTab<PictureButton *> m_normalButtons;
    workspace::PerTab<PictureButton *> m_selectedButtons;
};

} // namespace weftara::app
