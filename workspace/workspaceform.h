#pragma once

#include <QWidget>

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

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void connectControls();

    ControlPanel *m_controlPanel = nullptr;
    WeaveOptionsPanel *m_optionsPanel = nullptr;
    PictureTabs *m_pictureTabs = nullptr;
    Workspace *m_workspace = nullptr;
    Sliders *m_sliders = nullptr;
};

} // namespace weftara::workspace
