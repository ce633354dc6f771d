#include "workspace/workspaceform.h"

#include "platform/surface.h"
#include "platform/twips.h"
#include "workspace/controlpanel.h"
#include "workspace/controlreactions.h"
#include "workspace/controlviews.h"
#include "workspace/effects.h"
#include "workspace/formlayout.h"
#include "workspace/picturecanvas.h"
#include "workspace/picturetabs.h"
#include "workspace/sliders.h"
#include "workspace/tabchange.h"
#include "workspace/weaveoptionspanel.h"
#include "workspace/workspace.h"

#include <QPushButton>
#include <QTabBar>

namespace weftara::workspace {

WorkspaceForm::WorkspaceForm(platform::Dialogs &dialogs, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("workspaceForm"));
    m_pictureTabs = new PictureTabs(this);
    m_controlPanel = new ControlPanel(this);
    m_controlPanel->move(0, 0);
    m_weaveOptionsPanel = new WeaveOptionsPanel(this);

    m_workspace = new Workspace(dialogs, this);
    // Stacked as the pictures come, the sheets above them.
    for (platform::Surface *surface : {&m_workspace->picture(Picture::Base), &m_workspace->picture(Picture::Pattern),
                                       &m_workspace->picture(Picture::Woven), &m_workspace->baseSheet(),
                                       &m_workspace->patternSheet()})
        m_pictureTabs->canvas()->addView(*surface);
    Controls &controls = m_workspace->controls();
    controls.controlPanel = m_controlPanel;
    controls.weaveOptionsPanel = m_weaveOptionsPanel;
    controls.pictureTabs = m_pictureTabs;
    bindViews();
    m_sliders = new Sliders(*m_workspace, this);
    connectControls();
    layOutForm();
}

platform::SurfaceView *WorkspaceForm::surfaceView(const platform::Surface &surface) const
{
    return m_pictureTabs->canvas()->viewOf(surface);
}

void WorkspaceForm::bindViews()
{
    Controls &c = m_workspace->controls();
    bindView(*m_controlPanel->weaveRatioSlider(), c.weaveRatioSlider);
    bindView(*m_controlPanel->toneSlider(), c.toneSlider);
    bindView(*m_controlPanel->zoomSlider(), c.zoomSlider);
    bindView(*m_controlPanel->colorStepSlider(), c.colorStepSlider);
    bindView(*m_controlPanel->weaveRatioBox(), c.weaveRatioBox);
    bindView(*m_controlPanel->toneBox(), c.toneBox);
    bindView(*m_controlPanel->zoomBox(), c.zoomBox);
    bindView(*m_controlPanel->colorStepBox(), c.colorStepBox);
    for (const engine::WeavePart part : WeaveParts) {
        bindView(*m_weaveOptionsPanel->thresholdSlider(part), c.thresholdSliders[part]);
        bindView(*m_weaveOptionsPanel->thresholdBox(part), c.thresholdBoxes[part]);
        bindView(*m_weaveOptionsPanel->weaveOptionCheckBox(part), c.weaveOptionCheckBoxes[part]);
    }
    bindView(*m_pictureTabs->tabStrip(), c.tabStrip);
}

void WorkspaceForm::connectControls()
{
    Workspace &ws = *m_workspace;

    for (const EffectButton button : EffectButtons)
        connect(m_controlPanel->effectButton(button), &QPushButton::clicked, this,
                [&ws, button] { runEffect(ws, button); });
    for (int channel = 0; channel < 6; ++channel) {
        const auto step = engine::ChannelStep(channel);
        connect(m_controlPanel->channelButton(step), &QPushButton::clicked, this,
                [&ws, step] { runChannelStep(ws, step); });
    }
    connect(m_controlPanel->closeButton(), &QPushButton::clicked, m_controlPanel, &QWidget::hide);

    connectReactions(ws, *m_sliders);
    connect(m_weaveOptionsPanel->closeButton(), &QPushButton::clicked, m_sliders, &Sliders::closeWeaveOptions);

    // A click on the tab already selected runs its tab change again (the
    // base collection clears the log each time); a click on another tab runs
    // it through the change of selection.
    connect(m_pictureTabs->tabStrip(), &QTabBar::tabBarClicked, this, [&ws](int index) {
        if (index >= 0 && Tab(index + 1) == ws.selectedTab())
            tabChange(ws, Tab(index + 1));
    });
}

void WorkspaceForm::clickTab(Tab tab)
{
    if (m_workspace->selectedTab() == tab)
        tabChange(*m_workspace, tab);
    else
        m_workspace->selectTab(tab);
}

void WorkspaceForm::setTabStripPlacement(std::function<QRect()> placement)
{
    m_tabStripPlacement = std::move(placement);
    layOutForm();
}

void WorkspaceForm::layOutForm()
{
    if (m_tabStripPlacement) {
        m_pictureTabs->setGeometry(m_tabStripPlacement());
    } else {
        const QWidget *top = window();
        const QSize windowSize = top == this ? size() : top->frameGeometry().size();
        const QRect twips = tabStripTwips(int(platform::pixelsToTwips(windowSize.width())),
                                          int(platform::pixelsToTwips(windowSize.height())));
        m_pictureTabs->setGeometry(platform::twipsToPixels(twips.x()), platform::twipsToPixels(twips.y()),
                                   platform::twipsToPixels(twips.width()), platform::twipsToPixels(twips.height()));
    }
    // The picture view stays inside the form even where the strip reaches
    // past its right or bottom edge, so its scroll bars can be reached.
    m_pictureTabs->setViewLimit(QRect(-m_pictureTabs->pos(), size()));
}

void WorkspaceForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOutForm();
}

} // namespace weftara::workspace
