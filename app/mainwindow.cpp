#include "app/mainwindow.h"

#include "app/guidetext.h"
#include "app/tabbuttonrow.h"
#include "app/windowreplaytarget.h"
#include "recipes/loggroups.h"
#include "recipes/recipebook.h"
#include "recipes/recipekeys.h"
#include "recipes/recipepanel.h"
#include "textweave/textweaver.h"

#include "collections/collectiontabs.h"
#include "collections/folderpanel.h"
#include "collections/pathmode.h"
#include "collections/pictureloading.h"
#include "platform/qtdialogs.h"
#include "workspace/controlpanel.h"
#include "workspace/flagscope.h"
#include "workspace/flips.h"
#include "workspace/formlayout.h"
#include "workspace/picturetabs.h"
#include "workspace/sliders.h"
#include "workspace/tabchange.h"
#include "workspace/workspace.h"
#include "workspace/workspaceform.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>

namespace weftara::app {

namespace {

QRect pixelsOf(const QRect &twips)
{
    return WindowPlacement::toPixels(
        {twips.left(), twips.top(), twips.width(), twips.height()});
}

} // namespace

MainWindow::MainWindow(platform::ProgramFolder programFolder, platform::Dialogs *dialogs,
                       QWidget *parent)
    : QMainWindow(parent)
    , m_programFolder(std::move(programFolder))
    , m_ownDialogs(dialogs ? nullptr : std::make_unique<platform::QtDialogs>(this))
    , m_dialogs(dialogs ? *dialogs : *m_ownDialogs)
    , m_settings(settings::Settings::pathIn(m_programFolder), m_dialogs)
{
    setWindowTitle(QStringLiteral("Weftara"));
    m_menus = buildMainMenus(menuBar());

    m_form = new workspace::WorkspaceForm(m_dialogs, this);
    setCentralWidget(m_form);
    workspace::Workspace &ws = m_form->workspace();
    m_loading = std::make_unique<collections::PictureLoading>(ws, m_programFolder);
    m_collections = new collections::Collections(ws, m_settings, m_programFolder, *m_loading, this);
    m_folderPanel = new collections::FolderPanel(m_settings, m_programFolder, m_form);
    m_tabButtons = new TabButtonRow(m_form);

    m_text1 = new QPlainTextEdit(m_form->pictureTabs());
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setReadOnly(true);
    m_text1->setPlainText(QStringLiteral("最初は元絵のタブをクリックします"));

    m_text = new textweave::TextWeaver(ws, m_dialogs, this);
    m_recipePanel = new recipes::RecipePanel(m_form);
    m_replayTarget = std::make_unique<WindowReplayTarget>(ws, *m_loading, *m_text, *m_recipePanel->Text11());
    m_recipeBook = new recipes::RecipeBook(*m_recipePanel, ws, *m_replayTarget,
                                           m_programFolder.filePath(recipes::recipeFileName()), this);

    m_form->setTabStripPlacement([this] { return pixelsOf(tabStripTwips()); });
    connectWorkspaceMenus();
    connectCollections();
    connectTextAndRecipes();
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
    setGeometry(m_placement.set(readWindowGeometry(m_settings)));
    MainLayout();
    fitText1();
    MainLayout();
    // The box shows the guide with plain line ends; the text itself ends
    // each line with CR LF.
    QString guide = guideText();
    guide.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text1->setPlainText(guide);
    m_text1->raise();
    m_tabButtons->place(tabStripTwips().topLeft());
    workspace::TabSliderSwap(m_form->workspace(), 0);
    prepareTutorialPanel();
}

void MainWindow::prepareTutorialPanel()
{
    // The tutorial panel reads "TutorShow" and its text here once it is built.
}

void MainWindow::MainLayout()
{
    if (m_layoutBusyFlg)
        return;
    const workspace::FlagScope busy(m_layoutBusyFlg);
    m_form->controlPanel()->move(0, 0);
    m_form->layoutForm();
}

void MainWindow::fitText1()
{
    m_text1->setGeometry(m_form->pictureTabs()->view()->geometry());
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    MainLayout();
    const WindowGeometry twips = windowTwips();
    recipes::recordSize(m_form->workspace().LstLog(), twips.left, twips.top, twips.width, twips.height);
    fitText1();
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
    connect(enable(m_menus.morikomi), &QAction::triggered, &form->sliders(),
            &workspace::Sliders::morikomi_Click);
    connect(enable(m_menus.msayu), &QAction::triggered, form,
            [form] { workspace::msayu_Click(form->workspace()); });
    connect(enable(m_menus.mjyouge), &QAction::triggered, form,
            [form] { workspace::mjyouge_Click(form->workspace()); });
    connect(enable(m_menus.zentai), &QAction::triggered, form,
            [form] { workspace::zentai_Click(form->workspace()); });
    connect(enable(m_menus.mnuFileExit), &QAction::triggered, this, &QWidget::close);
}

void MainWindow::connectCollections()
{
    collections::FolderPanel *panel = m_folderPanel;
    m_menus.mnuFileOpen->setEnabled(true);
    m_menus.mnuHFileOpen->setEnabled(true);
    connect(m_menus.mnuFileOpen, &QAction::triggered, panel,
            [panel] { panel->open(collections::PathModeMotoe); });
    connect(m_menus.mnuHFileOpen, &QAction::triggered, panel,
            [panel] { panel->open(collections::PathModeGarae); });
    connect(m_collections, &collections::Collections::folderPanelRequested, panel,
            &collections::FolderPanel::open);

    workspace::WorkspaceForm *form = m_form;
    connect(m_tabButtons, &TabButtonRow::tabClicked, form,
            &workspace::WorkspaceForm::clickTab);
    connect(&form->workspace(), &workspace::Workspace::tabChangeStarted, m_tabButtons,
            &TabButtonRow::showSelected);
    connect(&form->workspace(), &workspace::Workspace::tabChangeStarted, m_text1, &QWidget::hide);
}

void MainWindow::connectTextAndRecipes()
{
    textweave::TextWeaver *text = m_text;
    m_menus.morikotoba->setEnabled(true);
    connect(m_menus.morikotoba, &QAction::triggered, text, &textweave::TextWeaver::morikotoba_Click);
    // Choosing a base picture ends text mode.
    connect(m_collections, &collections::Collections::baseThumbnailChosen, text,
            &textweave::TextWeaver::endTextPlacement);
    connect(m_collections, &collections::Collections::basePictureChosen, text,
            &textweave::TextWeaver::endTextPlacement);

    recipes::RecipeBook *book = m_recipeBook;
    m_menus.mr->setEnabled(true);
    connect(m_menus.mr, &QAction::triggered, book, &recipes::RecipeBook::mr_Click);
    book->setFixPendingText([text] { text->Command7_Click(); }, [text] { return text->panelShown(); });
    book->setReplayFinished([text] { text->replayFinished(); });
}

} // namespace weftara::app
