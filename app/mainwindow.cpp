#include "app/mainwindow.h"

#include "app/guidetext.h"
#include "app/picturedrop.h"
#include "app/tabbuttonrow.h"
#include "app/windowreplayactions.h"
#include "collections/collections.h"
#include "collections/folderpanel.h"
#include "collections/pictureloading.h"
#include "help/aboutdialog.h"
#include "help/helpcommands.h"
#include "help/paneldragger.h"
#include "help/tutorial.h"
#include "help/tutorialpanel.h"
#include "platform/qtdesktop.h"
#include "output/output.h"
#include "output/printing.h"
#include "output/snapshotpanel.h"
#include "output/snapshotstore.h"
#include "platform/qtdialogs.h"
#include "platform/busycursor.h"
#include "recipes/loggroups.h"
#include "recipes/picturerecipe.h"
#include "recipes/recipebook.h"
#include "recipes/recipekeys.h"
#include "recipes/recipepanel.h"
#include "textweave/textweaver.h"
#include "workspace/controlpanel.h"
#include "workspace/flagscope.h"
#include "workspace/flips.h"
#include "workspace/formlayout.h"
#include "workspace/picturetabs.h"
#include "workspace/sliders.h"
#include "workspace/weaveoptionspanel.h"
#include "workspace/workspace.h"
#include "workspace/workspaceform.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>

namespace weftara::app {

namespace {

QRect pixelsOf(const QRect &twips)
{
    return WindowPlacement::toPixels({twips.left(), twips.top(), twips.width(), twips.height()});
}

} // namespace

MainWindow::MainWindow(ProgramFolders folders, platform::Dialogs *dialogs, platform::Desktop *desktop,
                       QWidget *parent)
    : QMainWindow(parent)
    , m_programFolder(std::move(folders.files))
    , m_shippedFolder(std::move(folders.shipped))
    , m_ownDialogs(dialogs ? nullptr : std::make_unique<platform::QtDialogs>(this))
    , m_dialogs(dialogs ? *dialogs : *m_ownDialogs)
    , m_ownDesktop(desktop ? nullptr : std::make_unique<platform::QtDesktop>())
    , m_desktop(desktop ? *desktop : *m_ownDesktop)
    , m_settings(settings::Settings::pathIn(m_programFolder), m_dialogs)
{
    setWindowTitle(QStringLiteral("Weftara"));
    m_menus = buildMainMenus(menuBar());

    m_form = new workspace::WorkspaceForm(m_dialogs, this);
    setCentralWidget(m_form);
    workspace::Workspace &ws = m_form->workspace();
    m_loading = std::make_unique<collections::PictureLoading>(ws, m_programFolder);
    m_collections = new collections::Collections(ws, m_settings, m_programFolder, *m_loading, this);
    m_collections->setThumbnailCache(&m_thumbnailCache);
    m_folderPanel = new collections::FolderPanel(m_settings, m_programFolder, m_form);
    m_tabButtons = new TabButtonRow(m_form);

    m_guideBox = new QPlainTextEdit(m_form->pictureTabs());
    m_guideBox->setObjectName(QStringLiteral("guideBox"));
    m_guideBox->setReadOnly(true);
    m_guideBox->setAccessibleName(QStringLiteral("Weftara御詞"));
    m_guideBox->setPlainText(QStringLiteral("最初は元絵のタブをクリックします"));

    m_textWeaver = new textweave::TextWeaver(ws, m_dialogs, this);
    m_recipePanel = new recipes::RecipePanel(m_form);
    m_replayActions =
        std::make_unique<WindowReplayActions>(ws, m_form->sliders(), *m_loading, *m_textWeaver,
                                              *m_recipePanel->descriptionBox());
    m_recipeBook = new recipes::RecipeBook(*m_recipePanel, ws, *m_replayActions,
                                           m_programFolder.filePath(recipes::recipeFileName()), this);
    m_output = new output::Output(ws, *m_loading, *m_collections, *m_textWeaver, m_desktop, this, this);

    m_tutorialPanel = new help::TutorialPanel(m_form);
    m_tutorial = new help::Tutorial(*m_tutorialPanel, m_settings, m_programFolder, m_dialogs, this);

    m_form->setTabStripPlacement([this] { return pixelsOf(tabStripTwips()); });
    connectWorkspaceMenus();
    connectCollections();
    connectTextAndRecipes();
    connectOutput();
    connectHelp();
    makePanelsDraggable();
    setAcceptDrops(true);
    startUp();
}

MainWindow::~MainWindow() = default;

WindowGeometry MainWindow::windowTwips() const
{
    return m_placement.twipsOf(geometry());
}

QRect MainWindow::tabStripTwips() const
{
    const WindowGeometry window = windowTwips();
    return workspace::tabStripTwips(window.width, window.height);
}

void MainWindow::startUp()
{
    m_settings.read();
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    setGeometry(m_placement.set(fitToScreens(readWindowGeometry(m_settings), screens)));
    layOutWindow();
    fitGuideBox();
    layOutWindow();
    // The box shows the guide with plain line ends; the text itself ends
    // each line with CR LF.
    QString guide = guideText();
    guide.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_guideBox->setPlainText(guide);
    m_guideBox->raise();
    m_tabButtons->place(tabStripTwips().topLeft());
    m_tutorial->prepare(tabStripTwips());
}

void MainWindow::layOutWindow()
{
    if (m_layoutBusy)
        return;
    const workspace::FlagScope busy(m_layoutBusy);
    m_form->controlPanel()->move(0, 0);
    m_form->layOutForm();
}

void MainWindow::fitGuideBox()
{
    m_guideBox->setGeometry(m_form->pictureTabs()->view()->geometry());
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    layOutWindow();
    const WindowGeometry twips = windowTwips();
    recipes::recordSize(m_form->workspace().log(), twips.left, twips.top, twips.width, twips.height);
    fitGuideBox();
}

void MainWindow::openPicture(const QString &path)
{
    m_collections->chooseBase(path);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (dropTargetOf(m_form->workspace().selectedTab()) && droppedPicture(*event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    if (dropTargetOf(m_form->workspace().selectedTab()) && droppedPicture(*event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const std::optional<DropTarget> target = dropTargetOf(m_form->workspace().selectedTab());
    const std::optional<QString> path = droppedPicture(*event->mimeData());
    if (!target || !path) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (*target == DropTarget::Base)
        m_collections->chooseBase(*path);
    else
        m_collections->choosePattern(*path);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    shutDown();
    QMainWindow::closeEvent(event);
}

void MainWindow::shutDown()
{
    m_settings.read();
    closeOtherWindows();
    if (!isMinimized())
        storeWindowGeometry(m_settings, windowTwips());
    m_settings.write();
}

void MainWindow::closeOtherWindows()
{
    // The program's other windows (the About box and the like) are this
    // window's children; the most recently opened closes first.
    QList<QWidget *> windows;
    const QList<QWidget *> children = findChildren<QWidget *>();
    for (QWidget *child : children)
        if (child->isWindow() && child->isVisible())
            windows << child;
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        (*it)->close();
}

void MainWindow::connectWorkspaceMenus()
{
    workspace::WorkspaceForm *form = m_form;
    const auto enable = [](QAction *item) {
        item->setEnabled(true);
        return item;
    };
    connect(enable(m_menus.weaveOptionsAction), &QAction::triggered, &form->sliders(),
            &workspace::Sliders::openWeaveOptions);
    connect(enable(m_menus.flipLeftRightAction), &QAction::triggered, form,
            [form] { workspace::flipLeftRight(form->workspace()); });
    connect(enable(m_menus.flipTopBottomAction), &QAction::triggered, form,
            [form] { workspace::flipTopBottom(form->workspace()); });
    connect(enable(m_menus.flipBothAction), &QAction::triggered, form,
            [form] { workspace::flipBoth(form->workspace()); });
    connect(enable(m_menus.exitAction), &QAction::triggered, this, &QWidget::close);
}

void MainWindow::connectCollections()
{
    collections::FolderPanel *panel = m_folderPanel;
    m_menus.baseFolderAction->setEnabled(true);
    m_menus.patternFolderAction->setEnabled(true);
    connect(m_menus.baseFolderAction, &QAction::triggered, panel,
            [panel] { panel->open(collections::FolderMode::Base); });
    connect(m_menus.patternFolderAction, &QAction::triggered, panel,
            [panel] { panel->open(collections::FolderMode::Pattern); });
    connect(m_collections, &collections::Collections::folderPanelRequested, panel,
            &collections::FolderPanel::open);

    workspace::WorkspaceForm *form = m_form;
    connect(m_tabButtons, &TabButtonRow::tabClicked, form, &workspace::WorkspaceForm::clickTab);
    connect(&form->workspace(), &workspace::Workspace::tabChangeStarted, m_tabButtons,
            &TabButtonRow::showSelected);
    connect(&form->workspace(), &workspace::Workspace::tabChangeStarted, m_guideBox, &QWidget::hide);
}

void MainWindow::connectTextAndRecipes()
{
    textweave::TextWeaver *textWeaver = m_textWeaver;
    m_menus.textModeAction->setEnabled(true);
    connect(m_menus.textModeAction, &QAction::triggered, textWeaver, &textweave::TextWeaver::toggleTextMode);
    // Choosing a base picture ends text mode.
    connect(m_collections, &collections::Collections::baseThumbnailChosen, textWeaver,
            &textweave::TextWeaver::endTextPlacement);
    connect(m_collections, &collections::Collections::basePictureChosen, textWeaver,
            &textweave::TextWeaver::endTextPlacement);

    recipes::RecipeBook *book = m_recipeBook;
    m_menus.recipesAction->setEnabled(true);
    connect(m_menus.recipesAction, &QAction::triggered, book, &recipes::RecipeBook::openPanel);
    book->setFixPendingText([textWeaver] { textWeaver->fixText(); },
                            [textWeaver] { return textWeaver->panelShown(); });
    book->setReplayFinished([textWeaver] { textWeaver->replayFinished(); });
    connect(m_collections, &collections::Collections::basePictureChosen, this, &MainWindow::offerBaseRecipe);
}

void MainWindow::offerBaseRecipe()
{
    // The log starts with the base just loaded; a failed load left no line.
    const QString first = m_form->workspace().log().line(0);
    if (first.startsWith(recipes::BaseKey))
        offerPictureRecipe(first.sliced(recipes::BaseKey.size()));
}

bool MainWindow::offerPictureRecipe(const QString &fileName)
{
    const QStringList lines = recipes::readPictureRecipe(fileName);
    if (lines.isEmpty() || !m_dialogs.ask(QStringLiteral("この絵の織り詞を再生しますか？")))
        return false;
    const QString name = QFileInfo(fileName).completeBaseName();
    m_recipeBook->openPanel();
    const platform::BusyCursor busy;
    m_recipeBook->replay(name, recipes::recipeBlockOf(name, lines));
    return true;
}

void MainWindow::connectOutput()
{
    output::Output *out = m_output;
    output::Printing *printing = &out->printing();
    output::SnapshotStore *store = &out->snapshotStore();
    const auto connectItem = [this](QAction *item, auto *receiver, auto handler) {
        item->setEnabled(true);
        connect(item, &QAction::triggered, receiver, handler);
    };
    connectItem(m_menus.saveAsAction, out, &output::Output::savePicture);
    connectItem(m_menus.printSetupAction, printing, &output::Printing::showPrinterDialog);
    connectItem(m_menus.printAction, printing, &output::Printing::openPrintPanel);
    connectItem(m_menus.snapshotsAction, store, &output::SnapshotStore::openSnapshotPanel);
    connectItem(m_menus.sendToPaintAction, out, &output::Output::sendToPaint);
    connectItem(m_menus.takeFromPaintAction, out, &output::Output::takeFromPaint);
    // Text mode takes the control panel's place, where the print panel is.
    connect(m_menus.textModeAction, &QAction::triggered, out, &output::Output::closePrintPanel);
}

void MainWindow::connectHelp()
{
    for (QAction *item : {m_menus.tutorialAction, m_menus.helpAction, m_menus.htmlHelpAction, m_menus.aboutAction})
        item->setEnabled(true);
    connect(m_menus.tutorialAction, &QAction::triggered, m_tutorial, &help::Tutorial::showTutorial);
    connect(m_menus.helpAction, &QAction::triggered, this,
            [this] { help::openHelp(m_shippedFolder, m_desktop, m_dialogs); });
    connect(m_menus.htmlHelpAction, &QAction::triggered, this,
            [this] { help::openHtmlHelp(m_shippedFolder, m_desktop, m_dialogs); });
    connect(m_menus.aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::makePanelsDraggable()
{
    using help::PanelDragger;
    workspace::ControlPanel *control = m_form->controlPanel();
    new PanelDragger(control->title(), control, PanelDragger::Raise::Never);
    new PanelDragger(m_recipePanel->title(), m_recipePanel);
    new PanelDragger(m_form->weaveOptionsPanel()->title(), m_form->weaveOptionsPanel());
    new PanelDragger(m_tutorialPanel->title(), m_tutorialPanel);
    output::SnapshotPanel &snapshotPanel = m_output->snapshotStore().snapshotPanel();
    new PanelDragger(snapshotPanel.title(), &snapshotPanel);
}

void MainWindow::showAbout()
{
    auto *about = new help::AboutDialog(m_desktop, m_dialogs, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

} // namespace weftara::app
