#pragma once

#include "app/mainmenus.h"
#include "platform/qtdialogs.h"

#include <QMainWindow>

namespace weftara::workspace {
class WorkspaceForm;
} // namespace weftara::workspace

namespace weftara::app {

// The one main window. It only composes the subsystems: their panels,
// handlers and menu items are wired here, their logic lives in their folders.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    const MainMenus &menus() const { return m_menus; }
    workspace::WorkspaceForm &form() { return *m_form; }

private:
    void connectWorkspaceMenus();

    MainMenus m_menus;
    platform::QtDialogs m_dialogs{this};
    workspace::WorkspaceForm *m_form = nullptr;
};

} // namespace weftara::app
