#pragma once

#include <QRect>
#include <QWidget>

#include <functional>

namespace weftara::platform {
class Dialogs;
} // namespace weftara::platform

namespace weftara::workspace {

class ControlPanel;
class PictureTabs;
class Sliders;
class WeaveOptionsPanel;
class Workspace;

// The main window's client area: the control panel Frame1 at the top left,
// the tab strip with the picture surfaces below it, and floating panels
// (the weave options panel FrmOrikomi) above them. It creates the surfaces,
// the workspace state and the handlers and connects the controls to them;
// everything can be driven without showing a window.
class WorkspaceForm : public QWidget
{
    Q_OBJECT

public:
    explicit WorkspaceForm(platform::Dialogs &dialogs, QWidget *parent = nullptr);

    Workspace &workspace() { return *m_workspace; }
    Sliders &sliders() { return *m_sliders; }
    ControlPanel *controlPanel() const { return m_controlPanel; }
    WeaveOptionsPanel *optionsPanel() const { return m_optionsPanel; }
    PictureTabs *pictureTabs() const { return m_pictureTabs; }

    // Places the tab strip for the current window size.
    void layoutForm();
    // Where layoutForm puts the tab strip (pixels of the form), in place of
    // the rule worked out from the window's pixel size; an empty function
    // restores that rule.
    void setTabStripPlacement(std::function<QRect()> placement);

    // A click on tab t (1..5), by the user on the strip or on its picture
    // button: the tab change runs also when t is already selected.
    void clickTab(int t);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void connectControls();

    ControlPanel *m_controlPanel = nullptr;
    WeaveOptionsPanel *m_optionsPanel = nullptr;
    PictureTabs *m_pictureTabs = nullptr;
    Workspace *m_workspace = nullptr;
    Sliders *m_sliders = nullptr;
    std::function<QRect()> m_tabStripPlacement;
};

} // namespace weftara::workspace
