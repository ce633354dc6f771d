#include "app/mainwindow.h"

#include "platform/twips.h"
#include "workspace/flips.h"
#include "workspace/sliders.h"
#include "workspace/workspaceform.h"

#include <QAction>
#include <QMenuBar>

namespace weftara::app {

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Weftara"));
    m_menus = buildMainMenus(menuBar());

    m_form = new workspace::WorkspaceForm(m_dialogs, this);
    setCentralWidget(m_form);
    // The default window size, 13500 × 10700 twips, until the settings
    // restore a stored one.
    resize(platform::twipsToPixels(13500), platform::twipsToPixels(10700));
    connectWorkspaceMenus();

    m_menus.mnuFileExit->setEnabled(true);
    connect(m_menus.mnuFileExit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::connectWorkspaceMenus()
{
    workspace::WorkspaceForm *form = m_form;
    const auto enable = [](QAction *item) {
        item->setEnabled(true);
        return item;
    };
    connect(enable(m_menus.morikomi), &QAction::triggered, &form->sliders(),
            &workspace::Sliders::morikomi_Click);
    connect(enable(m_menus.msayu), &QAction::triggered, form,
            [form] { workspace::msayu_Click(form->workspace()); });
    connect(enable(m_menus.mjyouge), &QAction::triggered, form,
            [form] { workspace::mjyouge_Click(form->workspace()); });
    connect(enable(m_menus.zentai), &QAction::triggered, form,
            [form] { workspace::zentai_Click(form->workspace()); });
}

} // namespace weftara::app
