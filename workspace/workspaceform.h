#pragma once

#include "workspace/workspace.h"

#include <QRect>
#include <QWidget>

#include <functional>

namespace weftara::platform {
class Dialogs;
class Surface;
class SurfaceView;
} // namespace weftara::platform

namespace weftara::workspace {

class ControlPanel;
class PictureTabs;
class Sliders;
class WeaveOptionsPanel;

// The main window's client area: the control panel at the top left, the
// tab strip with the picture surfaces below it, and floating panels (the
// weave options panel) above them. It creates the surfaces, the workspace
// state and the handlers and connects the controls to them; everything can
// be driven without showing a window.
class WorkspaceForm : public QWidget
{
    Q_OBJECT

public:
    explicit WorkspaceForm(platform::Dialogs &dialogs, QWidget *parent = nullptr);

    Workspace &workspace() { return *m_workspace; }
    Sliders &sliders() { return *m_sliders; }
    ControlPanel *controlPanel() const { return m_controlPanel; }
    WeaveOptionsPanel *weaveOptionsPanel() const { return m_weaveOptionsPanel; }
    PictureTabs *pictureTabs() const { return m_pictureTabs; }
    // The view showing `surface` in the picture area; none for surfaces
    // that are never shown there.
    platform::SurfaceView *surfaceView(const platform::Surface &surface) const;

    // Places the tab strip for the current window size.
    void layOutForm();
    // Where layOutForm puts the tab strip (pixels of the form), in place of
    // the rule worked out from the window's pixel size; an empty function
    // restores that rule.
    void setTabStripPlacement(std::function<QRect()> placement);

    // A click on a tab, by the user on the strip or on its picture button:
    // the tab change runs also when the tab is already selected.
    void clickTab(Tab tab);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void bindViews();
    void connectControls();

    ControlPanel *m_controlPanel = nullptr;
    WeaveOptionsPanel *m_weaveOptionsPanel = nullptr;
    PictureTabs *m_pictureTabs = nullptr;
    Workspace *m_workspace = nullptr;
    Sliders *m_sliders = nullptr;
    std::function<QRect()> m_tabStripPlacement;
};

} // namespace weftara::workspace
