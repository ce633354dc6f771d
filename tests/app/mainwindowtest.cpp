#include "app/mainwindowtest.h"

#include "app/guidetext.h"
#include "app/mainwindow.h"
#include "app/picturebutton.h"
#include "app/tabbuttonrow.h"
#include "app/tabbuttons.h"
#include "app/windowgeometry.h"
#include "app/windowplacement.h"
#include "collections/collections.h"
#include "collections/folderlist.h"
#include "collections/folderpanel.h"
#include "help/aboutdialog.h"
#include "help/paneldragger.h"
#include "help/tutorialpanel.h"
#include "output/output.h"
#include "output/printing.h"
#include "output/printpanel.h"
#include "output/snapshotpanel.h"
#include "output/snapshotstore.h"
#include "platform/surface.h"
#include "platform/surfaceview.h"
#include "platform/twips.h"
#include "recipes/recipepanel.h"
#include "support/filebytes.h"
#include "support/recordingdesktop.h"
#include "support/scripteddialogs.h"
#include "textweave/textweaver.h"
#include "workspace/controlpanel.h"
#include "workspace/picturetabs.h"
#include "workspace/weaveoptionspanel.h"
#include "workspace/workspace.h"
#include "workspace/workspaceform.h"
#include "settings/settings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollArea>
#include <QSet>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

using weftara::app::MainMenus;
using weftara::app::MainWindow;
using weftara::app::WindowGeometry;
using weftara::platform::ProgramFolder;
using weftara::testing::ScriptedDialogs;
using weftara::workspace::Tab;

namespace {

QStringList itemsOf(QMenu *menu)
{
    QStringList texts;
    const auto actions = menu->actions();
    for (QAction *a : actions)
        if (!a->isSeparator())
            texts << a->text();
    return texts;
}

int px(int twips)
{
    return weftara::platform::twipsToPixels(twips);
}

QRect pxRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

// A program folder of its own for each window.
struct Program
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;

    ProgramFolder folder() const { return ProgramFolder(dir.path()); }
    QString iniPath() const { return dir.filePath(QStringLiteral("Weftara.ini")); }
    bool writeIni(const QByteArray &bytes) const
    {
        QFile file(iniPath());
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    QByteArray ini() const
    {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool writePictures(const QString &sub, int count) const
    {
        QDir(dir.path()).mkpath(sub);
        for (int i = 0; i < count; ++i) {
            QImage image(20, 20, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 40 % 360, 200, 200));
            if (!image.save(dir.filePath(QStringLiteral("%1/p%2.bmp").arg(sub).arg(i)), "BMP"))
                return false;
        }
        return true;
    }
};

bool showAndWait(MainWindow &w)
{
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

int sizeGroups(const QStringList &log)
{
    return int(log.count(QStringLiteral("Size")));
}

} // namespace

void MainWindowTest::captionAndMenus()
{
    Program p;
    MainWindow w(p.folder(), &p.dialogs);
    QCOMPARE(w.windowTitle(), QStringLiteral("Weftara"));

    const auto top = w.menuBar()->actions();
    QCOMPARE(top.size(), 3);
    QCOMPARE(top[0]->text(), QStringLiteral("ﾌｧｲﾙ(&F)"));
    QCOMPARE(top[1]->text(), QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    QCOMPARE(top[2]->text(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));

    QCOMPARE(itemsOf(top[0]->menu()),
             (QStringList{"元絵のパスの設定", "柄絵のパスの設定", "絵の保存(&A)...", "織り詞(Log)(&L)",
                          "印刷設定", "印刷(&P)...", "終了(&X)"}));
    QCOMPARE(itemsOf(top[1]->menu()),
             (QStringList{"文字の織り込み", "画像の一時保存", "織り込み処理", "「ペイント」の起動",
                          "「ペイント」から読み込み", "左右の反転", "上下の反転", "全体の反転"}));
    QCOMPARE(itemsOf(top[2]->menu()),
             (QStringList{"チュートリアルの表示", "ヘルプ", "HTMLヘルプ", "ﾊﾞｰｼﾞｮﾝ情報(&A)"}));
}

void MainWindowTest::exitClosesWindow()
{
    Program p;
    MainWindow w(p.folder(), &p.dialogs);
    QVERIFY(showAndWait(w));
    w.menus().exitAction->trigger();
    QVERIFY(!w.isVisible());
    QVERIFY(QFile::exists(p.iniPath()));
}

void MainWindowTest::firstStartWithoutSettings()
{
    Program p;
    MainWindow w(p.folder(), &p.dialogs);
    QVERIFY(showAndWait(w));

    QCOMPARE(w.windowTwips(), (WindowGeometry{500, 50, 13500, 10700}));
    QCOMPARE(w.geometry(), pxRect(500, 50, 13500, 10700));
    QCOMPARE(w.tabStripTwips(), QRect(0, 690, 13600, 9700));
    weftara::workspace::WorkspaceForm &form = w.form();
    QCOMPARE(form.pictureTabs()->geometry(), pxRect(0, 690, 13600, 9700));
    QCOMPARE(form.controlPanel()->geometry(), pxRect(0, 0, 8205, 690));

    for (const Tab tab : weftara::workspace::Tabs) {
        const int i = int(tab) - 1;
        weftara::app::TabButtonRow &buttons = w.tabButtons();
        const QPoint at(px(50 + 1000 * i), px(730));
        QCOMPARE(buttons.normalButton(tab)->pos(), at);
        QCOMPARE(buttons.selectedButton(tab)->pos(), at);
        QVERIFY(buttons.normalButton(tab)->isVisible());
        QVERIFY(!buttons.selectedButton(tab)->isVisible());
        // Each button lies on its own tab of the strip.
        QTabBar *strip = form.pictureTabs()->tabStrip();
        const QRect onStrip(strip->mapTo(&form, strip->tabRect(i).topLeft()), strip->tabRect(i).size());
        QVERIFY2(onStrip.contains(buttons.normalButton(tab)->geometry()), qPrintable(QString::number(i)));
    }

    QPlainTextEdit *guideBox = w.guideBox();
    QVERIFY(guideBox->isVisible());
    QString guide = weftara::app::guideText();
    guide.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(guideBox->toPlainText().split(u'\n'), guide.split(u'\n'));
    QCOMPARE(guideBox->geometry(), form.pictureTabs()->view()->geometry());

    // The showing of the window is its one resize so far.
    const QStringList log = form.workspace().log().lines();
    QCOMPARE(log, (QStringList{"Left= 500", "Top= 50", "Width= 13500", "Height= 10700", "Size"}));
    QVERIFY(!form.workspace().sliderMemory().sliderTab);
    QVERIFY(p.dialogs.messages().isEmpty());
}

void MainWindowTest::geometryFromSettings_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<WindowGeometry>("expected");

    QTest::newRow("stored") << QByteArray("MainLeft,800\r\nMainTop,120\r\nMainWidth,9000\r\nMainHeight,7500\r\n")
                            << WindowGeometry{800, 120, 9000, 7500};
    QTest::newRow("not numbers") << QByteArray("MainLeft,abc\nMainTop,\nMainWidth,9000x\nMainHeight,-\n")
                                 << WindowGeometry{500, 50, 9000, 10700};
    QTest::newRow("fractions") << QByteArray("MainLeft,1500.5\r\nMainHeight, 7000\r\n")
                               << WindowGeometry{1500, 50, 13500, 7000};
    QTest::newRow("halves to even") << QByteArray("MainWidth,9000.5\r\nMainHeight,9001.5\r\n")
                                    << WindowGeometry{500, 50, 9000, 9002};
    QTest::newRow("a little off the screen") << QByteArray("MainLeft,-120\r\nMainTop,-60\r\n")
                                             << WindowGeometry{0, 0, 13500, 10700};
    QTest::newRow("leading number, exponent") << QByteArray("MainLeft,1500twips\r\nMainTop,1E2\r\n")
                                              << WindowGeometry{1500, 100, 13500, 10700};
    QTest::newRow("out of range") << QByteArray("MainLeft,99999999999\r\nMainTop,-1e300\r\n")
                                  << WindowGeometry{500, 50, 13500, 10700};
    // Fitted to the 1920 × 1080 pixel test screen.
    QTest::newRow("off every screen, far too wide, no height")
        << QByteArray("MainLeft,-99999999\r\nMainWidth,2000000000\r\nMainHeight,0\r\n")
        << WindowGeometry{0, 50, 28800, 10700};
}

void MainWindowTest::geometryFromSettings()
{
    QFETCH(QByteArray, ini);
    QFETCH(WindowGeometry, expected);

    Program p;
    QVERIFY(p.writeIni(ini));
    {
        MainWindow w(p.folder(), &p.dialogs);
        QCOMPARE(w.windowTwips(), expected);
        QCOMPARE(w.geometry(), pxRect(expected.left, expected.top, expected.width, expected.height));
        QVERIFY(w.close());
    }
    // What the window opened with is what it stores.
    weftara::settings::Settings stored(p.iniPath(), p.dialogs);
    stored.read();
    QCOMPARE(weftara::app::readWindowGeometry(stored), expected);
}

void MainWindowTest::fitsGeometryToScreens_data()
{
    QTest::addColumn<WindowGeometry>("stated");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<WindowGeometry>("fitted");

    const QList<QRect> one{{0, 0, 1366, 740}};
    const QList<QRect> two{{0, 0, 1366, 740}, {1366, -200, 1080, 1920}};
    QTest::newRow("fits: kept to the twip") << WindowGeometry{1501, 7, 13501, 10700} << one
                                            << WindowGeometry{1501, 7, 13501, 10700};
    QTest::newRow("on the second screen") << WindowGeometry{21000, -2000, 9000, 20000} << two
                                          << WindowGeometry{21000, -2000, 9000, 20000};
    QTest::newRow("off every screen") << WindowGeometry{-99999999, 99999999, 9000, 7500} << one
                                      << WindowGeometry{0, 3600, 9000, 7500};
    QTest::newRow("far larger than the screen") << WindowGeometry{500, 50, 2000000000, 2000000000} << one
                                                << WindowGeometry{0, 0, 20490, 11100};
    QTest::newRow("zero and negative size") << WindowGeometry{500, 50, 0, -15} << one
                                            << WindowGeometry{500, 50, 13500, 10700};
    QTest::newRow("half over the edge of the second screen") << WindowGeometry{36000, 0, 9000, 9000} << two
                                                             << WindowGeometry{27690, 0, 9000, 9000};
    QTest::newRow("no screens known") << WindowGeometry{-99999999, 0, 0, 0} << QList<QRect>{}
                                      << WindowGeometry{-99999999, 0, 0, 0};
}

void MainWindowTest::fitsGeometryToScreens()
{
    QFETCH(WindowGeometry, stated);
    QFETCH(QList<QRect>, screens);
    QFETCH(WindowGeometry, fitted);
    QCOMPARE(weftara::app::fitToScreens(stated, screens), fitted);
}

void MainWindowTest::resizesLeaveOneSizeGroup()
{
    Program p;
    MainWindow w(p.folder(), &p.dialogs);
    QVERIFY(showAndWait(w));
    weftara::recipes::OperationLog &log = w.form().workspace().log();
    log.clear();
    log.append(QStringList{"Motoe=/pics/a.bmp", "Text2= 50", "Orikomi"});

    w.resize(700, 500);
    QTRY_COMPARE(w.size(), QSize(700, 500));
    w.resize(720, 510);
    QTRY_COMPARE(w.size(), QSize(720, 510));
    const QStringList lines = log.lines();
    QCOMPARE(sizeGroups(lines), 1);
    QCOMPARE(lines.mid(0, 3), (QStringList{"Motoe=/pics/a.bmp", "Text2= 50", "Orikomi"}));
    QCOMPARE(lines.mid(3), (QStringList{"Left= 495", "Top= 45", "Width= 10800", "Height= 7650", "Size"}));
    // The tab strip follows: |W + 100| × |H − 1000| twips.
    QCOMPARE(w.tabStripTwips(), QRect(0, 690, 10900, 6650));
    QCOMPARE(w.guideBox()->geometry(), w.form().pictureTabs()->view()->geometry());

    // A weave after the group appends after it; the next resize adds a new group.
    log.append(QStringList{"Text2= 60", "Orikomi"});
    w.resize(600, 500);
    QTRY_COMPARE(w.size(), QSize(600, 500));
    QCOMPARE(sizeGroups(log.lines()), 2);
    QCOMPARE(log.last(), QStringLiteral("Size"));
}

void MainWindowTest::closeStoresGeometry()
{
    Program p;
    QVERIFY(p.writeIni("TutorShow,1\r\nMotoEpath,/pics\r\n"));
    {
        MainWindow w(p.folder(), &p.dialogs);
        QVERIFY(showAndWait(w));
        w.setGeometry(40, 60, 800, 600);
        QTRY_COMPARE(w.geometry(), QRect(40, 60, 800, 600));
        QVERIFY(w.close());
    }
    QCOMPARE(p.ini(), QByteArray("TutorShow,1\r\nMotoEpath,/pics\r\nMainLeft,600\r\nMainTop,900\r\n"
                                 "MainWidth,12000\r\nMainHeight,9000\r\n"));

    // The next start opens where the last one closed.
    MainWindow again(p.folder(), &p.dialogs);
    QCOMPARE(again.geometry(), QRect(40, 60, 800, 600));
    QCOMPARE(again.windowTwips(), (WindowGeometry{600, 900, 12000, 9000}));
}

void MainWindowTest::minimizedCloseKeepsGeometry()
{
    Program p;
    // Plain LF line ends: a rewritten file has CR LF.
    QVERIFY(p.writeIni("MainLeft,700\nMainTop,80\nMainWidth,9000\nMainHeight,7000\n"));
    MainWindow w(p.folder(), &p.dialogs);
    QVERIFY(showAndWait(w));
    w.resize(500, 400);
    w.showMinimized();
    QTRY_VERIFY(w.isMinimized());
    QVERIFY(w.close());
    QCOMPARE(p.ini(), QByteArray("MainLeft,700\r\nMainTop,80\r\nMainWidth,9000\r\nMainHeight,7000\r\n"));
}

void MainWindowTest::tabButtonsSelectTabs()
{
    Program p;
    QVERIFY(p.writePictures(QStringLiteral("Motoe"), 3));
    MainWindow w(p.folder(), &p.dialogs);
    QVERIFY(showAndWait(w));
    weftara::workspace::Workspace &ws = w.form().workspace();
    weftara::app::TabButtonRow &buttons = w.tabButtons();

    // The base collection is the strip's current tab from the start; its
    // button still runs its tab change.
    QTest::mouseClick(buttons.normalButton(Tab::BaseCollection), Qt::LeftButton);
    QVERIFY(!w.guideBox()->isVisible());
    QVERIFY(ws.log().isEmpty());
    QCOMPARE(w.collections().thumbnailPaths(Tab::BaseCollection).size(), 3);
    QVERIFY(w.form().surfaceView(ws.baseSheet())->isVisible());
    QVERIFY(buttons.selectedButton(Tab::BaseCollection)->isVisible());
    QVERIFY(!buttons.normalButton(Tab::BaseCollection)->isVisible());

    QTest::mouseClick(buttons.normalButton(Tab::Base), Qt::LeftButton);
    QCOMPARE(ws.selectedTab(), Tab::Base);
    for (const Tab tab : weftara::workspace::Tabs) {
        QCOMPARE(buttons.selectedButton(tab)->isVisible(), tab == Tab::Base);
        QCOMPARE(buttons.normalButton(tab)->isVisible(), tab != Tab::Base);
    }
    // The woven tab without a base picture falls back to the base
    // collection, and so does the look.
    QTest::mouseClick(buttons.normalButton(Tab::Woven), Qt::LeftButton);
    QCOMPARE(p.dialogs.messages(), QStringList{QStringLiteral("元絵を選択してくださいね。")});
    QCOMPARE(ws.selectedTab(), Tab::BaseCollection);
    QVERIFY(buttons.selectedButton(Tab::BaseCollection)->isVisible());
    QVERIFY(!buttons.selectedButton(Tab::Woven)->isVisible());
}

void MainWindowTest::tabStripClickOnSelectedTab()
{
    Program p;
    QVERIFY(p.writePictures(QStringLiteral("Motoe"), 2));
    MainWindow w(p.folder(), &p.dialogs);
    QVERIFY(showAndWait(w));
    weftara::workspace::Workspace &ws = w.form().workspace();
    QTabBar *strip = w.form().pictureTabs()->tabStrip();
    // A point of the first tab that its picture button does not cover.
    const QPoint edge = strip->tabRect(0).topLeft() + QPoint(1, strip->tabRect(0).height() - 2);

    QVERIFY(!ws.log().isEmpty());
    QTest::mouseClick(strip, Qt::LeftButton, {}, edge);
    QVERIFY(ws.log().isEmpty());
    QVERIFY(!w.guideBox()->isVisible());
    ws.log().append(QStringLiteral("Size"));
    QTest::mouseClick(strip, Qt::LeftButton, {}, edge);
    QVERIFY(ws.log().isEmpty());
}

void MainWindowTest::menusOpenFolderPanel()
{
    Program p;
    QVERIFY(QDir(p.dir.path()).mkpath(QStringLiteral("Garae")));
    MainWindow w(p.folder(), &p.dialogs);
    QVERIFY(showAndWait(w));
    QVERIFY(w.menus().patternFolderAction->isEnabled());
    w.menus().patternFolderAction->trigger();
    weftara::collections::FolderPanel &panel = w.folderPanel();
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.title()->text(), QStringLiteral("柄絵のパスの設定"));
    QCOMPARE(panel.folderList()->path(), p.dir.filePath(QStringLiteral("Garae")));
    QVERIFY(p.ini().contains("GaraEpath," + p.dir.filePath(QStringLiteral("Garae")).toUtf8() + "\r\n"));

    w.menus().baseFolderAction->trigger();
    QCOMPARE(panel.title()->text(), QStringLiteral("元絵のパスの設定"));
    QCOMPARE(panel.folderMode(), weftara::collections::FolderMode::Base);
}

void MainWindowTest::collectionWithoutFolderOpensPanel()
{
    Program p;
    MainWindow w(p.folder(), &p.dialogs);
    QVERIFY(showAndWait(w));
    w.form().clickTab(Tab::PatternCollection);
    QCOMPARE(p.dialogs.messages(), QStringList{QStringLiteral("柄絵集のパスを設定してください。")});
    QVERIFY(w.folderPanel().isVisible());
    QCOMPARE(w.folderPanel().folderMode(), weftara::collections::FolderMode::Pattern);
}

void MainWindowTest::guideText()
{
    const QString text = weftara::app::guideText();
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    // Every line break is CR LF.
    QCOMPARE(text.count(u'\n'), text.count(QStringLiteral("\r\n")));
    QCOMPARE(text.count(u'\r'), text.count(QStringLiteral("\r\n")));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.size(), 27);

    const QString ideographicSpace(QChar(0x3000));
    QCOMPARE(lines[0], ideographicSpace.repeated(14) + QStringLiteral("Weftara御詞"));
    for (const int empty : {4, 6, 11, 15, 19, 22})
        QVERIFY2(lines[empty - 1].isEmpty(), qPrintable(QString::number(empty)));
    QCOMPARE(lines[17], QStringLiteral(" "));
    QCOMPARE(lines[22], ideographicSpace.repeated(4) + QStringLiteral("注意！！"));
    QVERIFY(lines[23].endsWith(QStringLiteral("必ず") + ideographicSpace));
    QCOMPARE(lines[26], ideographicSpace.repeated(2) + QStringLiteral("画面のプロパティ") + ideographicSpace
                            + QStringLiteral("->設定") + ideographicSpace + QStringLiteral("画面色で設定します。"));
}

void MainWindowTest::tabButtonPictures()
{
    QSet<QByteArray> seen;
    for (const Tab tab : weftara::workspace::Tabs) {
        for (const bool selected : {false, true}) {
            const QImage image = weftara::app::tabButtonImage(tab, selected);
            QCOMPARE(image.size(), weftara::app::TabButtonSize);
            QCOMPARE(image.format(), QImage::Format_RGB32);
            // The caption shows: the middle band holds pixels far from the
            // button face's colour, and none of the caption touches the ends.
            const QRgb face = image.pixel(2, 2);
            int ink = 0;
            for (int y = 2; y < image.height() - 2; ++y) {
                for (int x = 1; x < image.width() - 1; ++x) {
                    const QRgb p = image.pixel(x, y);
                    const int distance = std::abs(qGray(p) - qGray(face));
                    if (distance > 80) {
                        ++ink;
                        QVERIFY2(x > 3 && x < image.width() - 4, qPrintable(weftara::workspace::tabCaption(tab)));
                    }
                }
            }
            QVERIFY2(ink > 40, qPrintable(weftara::workspace::tabCaption(tab)));
            seen.insert(QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
        }
    }
    QCOMPARE(seen.size(), 2 * int(weftara::workspace::Tabs.size()));
}

void MainWindowTest::helpMenuAndPanels()
{
    Program p;
    QVERIFY(weftara::testing::writeBytes(p.dir.filePath(QStringLiteral("setumeiindex.html")), "<p>help</p>"));
    weftara::testing::RecordingDesktop desktop;
    MainWindow w(p.folder(), &p.dialogs, &desktop);
    QVERIFY(showAndWait(w));

    // The first start shows the tutorial beside the guide, over the tab strip.
    weftara::help::TutorialPanel &tutorial = w.tutorialPanel();
    QVERIFY(tutorial.isVisible());
    QCOMPARE(tutorial.geometry(), pxRect(8100, 690, 5235, 9200));
    QVERIFY(tutorial.geometry().intersects(w.form().pictureTabs()->geometry()));

    // Every floating panel has its title as a drag handle.
    const QList<QLabel *> titles{w.form().controlPanel()->title(), w.recipePanel().title(),
                                 w.form().weaveOptionsPanel()->title(), tutorial.title(),
                                 w.output().snapshotStore().snapshotPanel().title()};
    for (QLabel *title : titles)
        QVERIFY2(title->findChild<weftara::help::PanelDragger *>(), qPrintable(title->text()));

    const MainMenus &menus = w.menus();
    for (QAction *item : {menus.tutorialAction, menus.helpAction, menus.htmlHelpAction, menus.aboutAction})
        QVERIFY(item->isEnabled());
    menus.htmlHelpAction->trigger();
    QCOMPARE(desktop.opened(), QList<QUrl>{QUrl::fromLocalFile(p.dir.filePath(QStringLiteral("setumeiindex.html")))});

    // The About box is modal over the window and closes with it.
    menus.aboutAction->trigger();
    QPointer<weftara::help::AboutDialog> about = w.findChild<weftara::help::AboutDialog *>();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowModality(), Qt::WindowModal);
    menus.exitAction->trigger();
    QTRY_VERIFY(!about);
    QVERIFY(p.dialogs.messages().isEmpty());
}

void MainWindowTest::outputMenusOpenTheirPanels()
{
    Program p;
    QVERIFY(p.writePictures(QStringLiteral("Motoe"), 2));
    MainWindow w(p.folder(), &p.dialogs);
    QVERIFY(showAndWait(w));
    const auto &m = w.menus();
    for (QAction *item : {m.saveAsAction, m.printSetupAction, m.sendToPaintAction, m.takeFromPaintAction})
        QVERIFY2(item->isEnabled(), qPrintable(item->text()));

    // The print panel takes the control panel's place until another base
    // picture is chosen.
    w.form().clickTab(Tab::BaseCollection);
    w.collections().onBaseSheetPressed(QPoint(1, 1));
    m.printAction->trigger();
    weftara::output::PrintPanel &printPanel = w.output().printing().printPanel();
    QCOMPARE(printPanel.geometry(), QRect(0, 0, px(7755), w.form().controlPanel()->height()));
    QVERIFY(printPanel.isVisible() && !w.form().controlPanel()->isVisible());
    w.collections().onBaseSheetPressed(QPoint(101, 1));
    QVERIFY(!printPanel.isVisible() && w.form().controlPanel()->isVisible());
    // So does text mode, which takes that place itself.
    m.printAction->trigger();
    m.textModeAction->trigger();
    QVERIFY(!printPanel.isVisible() && !w.form().controlPanel()->isVisible());
    QVERIFY(w.textWeaver().panelShown());

    m.snapshotsAction->trigger();
    weftara::output::SnapshotPanel &store = w.output().snapshotStore().snapshotPanel();
    QVERIFY(store.isVisible());
    QCOMPARE(store.geometry(), pxRect(7380, 360, 3570, 5370));
}
