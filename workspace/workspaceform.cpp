#include "workspace/workspaceform.h"

#include "platform/surface.h"
#include "platform/twips.h"
#include "workspace/controlpanel.h"
#include "workspace/effectdispatch.h"
#include "workspace/formlayout.h"
#include "workspace/picturetabs.h"
#include "workspace/sliders.h"
#include "workspace/tabchange.h"
#include "workspace/weaveoptionspanel.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>

namespace weftara::workspace {

namespace {

platform::Surface *makeSurface(QWidget *canvas, const QString &name, bool autoSize)
{
    auto *surface = new platform::Surface(canvas);
    surface->setObjectName(name);
    surface->setAutoSize(autoSize);
    surface->setGeometry(0, 0, 0, 0);
    surface->hide();
    return surface;
}

} // namespace

WorkspaceForm::WorkspaceForm(platform::Dialogs &dialogs, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    m_pictureTabs = new PictureTabs(this);
    m_controlPanel = new ControlPanel(this);
    m_controlPanel->move(0, 0);
    m_optionsPanel = new WeaveOptionsPanel(this);

    Surfaces surfaces;
    QWidget *canvas = m_pictureTabs->canvas();
    for (int k = 0; k < 5; ++k)
        surfaces.Picture1[std::size_t(k)] = makeSurface(canvas, QStringLiteral("Picture1_%1").arg(k), false);
    for (int k = 0; k < 3; ++k) {
        surfaces.Picture2[std::size_t(k)] = makeSurface(canvas, QStringLiteral("Picture2_%1").arg(k), false);
        // The hidden copies always take the size of the picture they hold.
        surfaces.Picture3[std::size_t(k)] = makeSurface(canvas, QStringLiteral("Picture3_%1").arg(k), true);
    }

    Controls controls;
    controls.HScroll1 = m_controlPanel->HScroll1();
    controls.HScroll2 = m_controlPanel->HScroll2();
    controls.HScroll3 = m_controlPanel->HScroll3();
    controls.HScroll4 = m_controlPanel->HScroll4();
    controls.Text2 = m_controlPanel->Text2();
    controls.Text3 = m_controlPanel->Text3();
    controls.Text4 = m_controlPanel->Text4();
    controls.Text6 = m_controlPanel->Text6();
    for (int i = 0; i < 2; ++i) {
        controls.HScroll7[std::size_t(i)] = m_optionsPanel->HScroll7(i);
        controls.Text12[std::size_t(i)] = m_optionsPanel->Text12(i);
        controls.Check1[std::size_t(i)] = m_optionsPanel->Check1(i);
    }
    controls.Text13 = m_optionsPanel->Text13();
    controls.TabStrip1 = m_pictureTabs->TabStrip1();
    controls.Frame1 = m_controlPanel;
    controls.FrmOrikomi = m_optionsPanel;
    controls.pictureTabs = m_pictureTabs;

    m_workspace = new Workspace(surfaces, controls, dialogs, this);
    m_sliders = new Sliders(*m_workspace, this);
    connectControls();
    layoutForm();
}

void WorkspaceForm::connectControls()
{
    Workspace &ws = *m_workspace;
    const Controls &c = ws.controls();

    for (int index : {0, 1, 2, 3, 4, 6, 7, 8, 10})
        connect(m_controlPanel->Command3(index), &QPushButton::clicked, this,
                [&ws, index] { Command3_Click(ws, index); });
    for (int index = 0; index < 6; ++index)
        connect(m_controlPanel->Command8(index), &QPushButton::clicked, this,
                [&ws, index] { Command8_Click(ws, index); });
    connect(m_controlPanel->Command2(), &QPushButton::clicked, this, [&ws] { Command2_Click(ws); });

    connect(c.HScroll1, &QScrollBar::valueChanged, m_sliders, &Sliders::HScroll1_Change);
    connect(c.HScroll2, &QScrollBar::valueChanged, m_sliders, &Sliders::HScroll2_Change);
    connect(c.HScroll3, &QScrollBar::valueChanged, m_sliders, &Sliders::HScroll3_Change);
    connect(c.HScroll4, &QScrollBar::valueChanged, m_sliders, &Sliders::HScroll4_Change);
    for (int i = 0; i < 2; ++i) {
        Sliders *sliders = m_sliders;
        connect(c.HScroll7[std::size_t(i)], &QScrollBar::valueChanged, sliders,
                [sliders, i] { sliders->HScroll7_Change(i); });
        connect(c.Check1[std::size_t(i)], &QCheckBox::toggled, sliders,
                [sliders, i] { sliders->Check1_Click(i); });
    }
    connect(m_optionsPanel->Command21(), &QPushButton::clicked, m_sliders, &Sliders::Command21_Click);

    connect(c.TabStrip1, &QTabBar::currentChanged, this, [&ws](int index) { tabChange(ws, index + 1); });
    // A click on the tab already selected runs its tab change again (tab 1
    // clears the log each time); a click on another tab runs it through
    // the change of selection.
    connect(c.TabStrip1, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == m_workspace->controls().TabStrip1->currentIndex())
            tabChange(*m_workspace, index + 1);
    });
}

void WorkspaceForm::clickTab(int t)
{
    if (m_workspace->selectedTab() == t)
        tabChange(*m_workspace, t);
    else
        m_workspace->selectTab(t);
}

void WorkspaceForm::setTabStripPlacement(std::function<QRect()> placement)
{
    m_tabStripPlacement = std::move(placement);
    layoutForm();
}

void WorkspaceForm::layoutForm()
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
    layoutForm();
}

} // namespace weftara::workspace
