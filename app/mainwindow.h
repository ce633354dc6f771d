#pragma once

#include "app/mainmenus.h"
#include "app/programfolders.h"
#include "app/windowgeometry.h"
#include "app/windowplacement.h"
#include "collections/thumbnailcache.h"
#include "platform/programfolder.h"
#include "settings/settings.h"

#include <QMainWindow>
#include <QRect>

#include <memory>

class QPlainTextEdit;

namespace weftara::platform {
class Desktop;
class Dialogs;
class QtDesktop;
class QtDialogs;
} // namespace weftara::platform

namespace weftara::workspace {
class WorkspaceForm;
} // namespace weftara::workspace

namespace weftara::collections {
class Collections;
class FolderPanel;
class PictureLoading;
} // namespace weftara::collections

namespace weftara::recipes {
class RecipeBook;
class RecipePanel;
} // namespace weftara::recipes

namespace weftara::textweave {
class TextWeaver;
} // namespace weftara::textweave

namespace weftara::help {
class Tutorial;
class TutorialPanel;
} // namespace weftara::help
namespace weftara::output {
class Output;
} // namespace weftara::output

namespace weftara::app {

class TabButtonRow;
class WindowReplayActions;

// The one main window. It only composes the subsystems: their panels,
// handlers and menu items are wired here, their logic lives in their folders.
//
// Opening it reads the settings file from the program folder, restores the
// window's place and size, lays out the control panel and the tab strip and
// shows the guide; closing it stores the place and size (unless the window
// is minimized) and writes the settings file again.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // `folders.files` holds the settings file, the recipes, the tutorial,
    // the collections and the fallback picture folders; `folders.shipped`
    // the help. `dialogs` asks the person at
    // the screen; nullptr gives the real message boxes. `desktop` opens the
    // help and starts other programs; nullptr gives the real desktop. Both
    // must outlive the window.
    explicit MainWindow(ProgramFolders folders, platform::Dialogs *dialogs = nullptr,
                        platform::Desktop *desktop = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    const MainMenus &menus() const { return m_menus; }
    workspace::WorkspaceForm &form() { return *m_form; }
    settings::Settings &settings() { return m_settings; }
    collections::Collections &collections() { return *m_collections; }
    collections::FolderPanel &folderPanel() { return *m_folderPanel; }
    TabButtonRow &tabButtons() { return *m_tabButtons; }
    textweave::TextWeaver &textWeaver() { return *m_textWeaver; }
    recipes::RecipePanel &recipePanel() { return *m_recipePanel; }
    recipes::RecipeBook &recipeBook() { return *m_recipeBook; }
    help::TutorialPanel &tutorialPanel() { return *m_tutorialPanel; }
    help::Tutorial &tutorial() { return *m_tutorial; }
    output::Output &output() { return *m_output; }
    // The guide over the tab strip's client area, until the first tab change.
    QPlainTextEdit *guideBox() const { return m_guideBox; }

    // A JPEG saved by the program carries its recipe: asks whether to
    // replay it and, if so, replays it with the recipe panel open and the
    // file's name in the name box, ready to be stored. False when the file
    // carries no recipe or the answer was no.
    bool offerPictureRecipe(const QString &fileName);
    // Loads a picture file as the base picture, as a click on its thumbnail
    // would (the command line's picture).
    void openPicture(const QString &path);

    // The window's place and size in twips (its geometry without the
    // window manager's frame, 15 twips to the pixel).
    WindowGeometry windowTwips() const;
    // Where the tab strip is, in twips of the client area.
    QRect tabStripTwips() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // A picture file dropped while a base tab is selected becomes the base
    // picture, on a pattern tab the pattern picture; anything else is refused.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void startUp();
    // Places the control panel and the tab strip for the window's size.
    void layOutWindow();
    void fitGuideBox();
    void shutDown();
    void closeOtherWindows();
    void connectWorkspaceMenus();
    void connectCollections();
    void connectTextAndRecipes();
    // After a base chosen from its collection: the offer of its recipe.
    void offerBaseRecipe();
    void connectHelp();
    void makePanelsDraggable();
    // The About box, modal over this window; it closes with it.
    void showAbout();
    void connectOutput();

    MainMenus m_menus;
    platform::ProgramFolder m_programFolder;
    platform::ProgramFolder m_shippedFolder;
    std::unique_ptr<platform::QtDialogs> m_ownDialogs;
    platform::Dialogs &m_dialogs;
    std::unique_ptr<platform::QtDesktop> m_ownDesktop;
    platform::Desktop &m_desktop;
    settings::Settings m_settings;
    WindowPlacement m_placement;
    workspace::WorkspaceForm *m_form = nullptr;
    collections::ThumbnailCache m_thumbnailCache = collections::ThumbnailCache::standard();
    std::unique_ptr<collections::PictureLoading> m_loading;
    collections::Collections *m_collections = nullptr;
    collections::FolderPanel *m_folderPanel = nullptr;
    TabButtonRow *m_tabButtons = nullptr;
    QPlainTextEdit *m_guideBox = nullptr;
    textweave::TextWeaver *m_textWeaver = nullptr;
    recipes::RecipePanel *m_recipePanel = nullptr;
    std::unique_ptr<WindowReplayActions> m_replayActions;
    recipes::RecipeBook *m_recipeBook = nullptr;
    help::TutorialPanel *m_tutorialPanel = nullptr;
    help::Tutorial *m_tutorial = nullptr;
    output::Output *m_output = nullptr;
    bool m_layoutBusy = false; // guards against the layout's own resizes
};

} // namespace weftara::app
