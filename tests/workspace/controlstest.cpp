#include "controlstest.h"

#include "formulas.h"
#include "workspacefixture.h"

#include "platform/surface.h"
#include "workspace/controlpanel.h"
#include "workspace/formlayout.h"
#include "workspace/picturetabs.h"
#include "workspace/sliders.h"
#include "workspace/tabchange.h"
#include "workspace/weaveoptionspanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTabBar>
#include <QTest>

using namespace weftara::testing;
namespace workspace = weftara::workspace;
using weftara::workspace::ControlPanel;
using weftara::workspace::WeaveOptionsPanel;

void ControlsTest::controlPanelCaptions()
{
    WorkspaceFixture f;
    ControlPanel *panel = f.form.controlPanel();
    QCOMPARE(panel->size(), QSize(547, 46));
    QCOMPARE(panel->title()->text(), QStringLiteral("コントロール"));
    const QStringList command3{"単色", "ｿﾗﾘ", "上 F", "左 F", "強調", "", "右 F", "ｽﾞｰﾑ", "濃淡", "", "織込比"};
    for (int i = 0; i < 11; ++i) {
        if (command3[i].isEmpty())
            QVERIFY(!panel->Command3(i));
        else
            QCOMPARE(panel->Command3(i)->text(), command3[i]);
    }
    QVERIFY(!panel->Command3(11) && !panel->Command3(-1) && !panel->Command8(6));
    const QStringList command8{"青強", "緑強", "赤強", "青弱", "緑弱", "赤弱"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(panel->Command8(i)->text(), command8[i]);
    QCOMPARE(panel->Command2()->text(), QStringLiteral("×"));
    // 赤強 緑強 青強 over 赤弱 緑弱 青弱, left to right.
    for (int i : {2, 1, 0}) {
        QCOMPARE(panel->Command8(i)->x(), panel->Command8(i + 3)->x());
        QVERIFY(panel->Command8(i)->geometry().bottom() < panel->Command8(i + 3)->y());
    }
    QVERIFY(panel->Command8(2)->x() < panel->Command8(1)->x());
    QVERIFY(panel->Command8(1)->x() < panel->Command8(0)->x());
    // ｽﾞｰﾑ, 濃淡 and 織込比 stand above their sliders.
    const auto above = [](QWidget *button, QWidget *slider) {
        return button->geometry().bottom() < slider->y() && button->x() >= slider->x()
            && button->geometry().right() <= slider->geometry().right();
    };
    QVERIFY(above(panel->Command3(10), panel->HScroll1()));
    QVERIFY(above(panel->Command3(8), panel->HScroll2()));
    QVERIFY(above(panel->Command3(7), panel->HScroll3()));

    panel->Command2()->click();
    QVERIFY(panel->isHidden());
    QCOMPARE(f.form.pictureTabs()->TabStrip1()->count(), 5);
    const QStringList tabs{"元絵集", "柄絵集", "元絵", "柄絵", "織込"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(f.form.pictureTabs()->TabStrip1()->tabText(i), tabs[i]);
}

void ControlsTest::sliderSettings_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("pageStep");
    QTest::addColumn<QString>("text");
    QTest::newRow("weave ratio") << "HScroll1" << "Text2" << 1 << 100 << 50 << 1 << "50";
    QTest::newRow("tone") << "HScroll2" << "Text3" << -100 << 100 << 0 << 20 << "0";
    QTest::newRow("zoom") << "HScroll3" << "Text4" << 1 << 500 << 100 << 1 << "100";
    QTest::newRow("colour step") << "HScroll4" << "Text6" << 0 << 255 << 20 << 20 << "20";
    QTest::newRow("white threshold") << "HScroll7_0" << "Text12_0" << 0 << 255 << 255 << 10 << "255";
    QTest::newRow("black threshold") << "HScroll7_1" << "Text12_1" << 0 << 255 << 0 << 10 << "0";
}

void ControlsTest::sliderSettings()
{
    QFETCH(QString, slider);
    QFETCH(QString, box);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, pageStep);
    QFETCH(QString, text);
    WorkspaceFixture f;
    auto *bar = f.form.findChild<QScrollBar *>(slider);
    auto *edit = f.form.findChild<QLineEdit *>(box);
    QVERIFY(bar && edit);
    QCOMPARE(bar->minimum(), minimum);
    QCOMPARE(bar->maximum(), maximum);
    QCOMPARE(bar->value(), value);
    QCOMPARE(bar->pageStep(), pageStep);
    QCOMPARE(bar->orientation(), Qt::Horizontal);
    QVERIFY(!bar->hasTracking());
    QCOMPARE(edit->text(), text);
}

void ControlsTest::nothingClipped_data()
{
    QTest::addColumn<bool>("options");
    QTest::newRow("control panel") << false;
    QTest::newRow("weave options panel") << true;
}

void ControlsTest::nothingClipped()
{
    QFETCH(bool, options);
    WorkspaceFixture f;
    QWidget *panel = options ? static_cast<QWidget *>(f.form.optionsPanel()) : f.form.controlPanel();
    if (options)
        QCOMPARE(panel->size(), QSize(220, 346));
    QStyle *style = panel->style();
    const QList<QWidget *> controls = panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QVERIFY(controls.size() > 10);
    for (QWidget *w : controls) {
        const QString name = w->objectName();
        QVERIFY2(panel->contentsRect().contains(w->geometry()), qPrintable(name));
        for (QWidget *other : controls)
            QVERIFY2(w == other || !w->geometry().intersects(other->geometry()),
                     qPrintable(name + " overlaps " + other->objectName()));
        const QFontMetrics metrics = w->fontMetrics();
        int needed = 0;
        if (auto *button = qobject_cast<QPushButton *>(w))
            needed = metrics.horizontalAdvance(button->text()) + 4;
        else if (auto *label = qobject_cast<QLabel *>(w))
            needed = metrics.horizontalAdvance(label->text()) + 2 * label->indent() + 2;
        else if (auto *check = qobject_cast<QCheckBox *>(w))
            needed = metrics.horizontalAdvance(check->text())
                   + style->pixelMetric(QStyle::PM_IndicatorWidth)
                   + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        else if (qobject_cast<QLineEdit *>(w))
            needed = metrics.horizontalAdvance(QStringLiteral("-100")) + 8; // widest value
        QVERIFY2(needed <= w->width(), qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                                      .arg(name).arg(needed).arg(w->width())));
        QVERIFY2(metrics.height() <= w->height(), qPrintable(name));
    }
}

void ControlsTest::dragActsOnce()
{
    WorkspaceFixture f;
    QScrollBar *step = f.ws.controls().HScroll4;
    QSignalSpy changes(step, &QScrollBar::valueChanged);
    step->setSliderDown(true);
    for (int position : {30, 60, 90})
        step->setSliderPosition(position);
    QCOMPARE(changes.size(), 0);
    QCOMPARE(f.ws.controls().Text6->text(), QStringLiteral("20"));
    step->setSliderDown(false);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(f.ws.controls().Text6->text(), QStringLiteral("90"));
    // A click in the trough is one completed change too.
    step->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(changes.size(), 2);
    QCOMPARE(f.ws.controls().Text6->text(), QStringLiteral("110"));
}

void ControlsTest::unchangedTextRaisesNothing()
{
    WorkspaceFixture f;
    QLineEdit *box = f.ws.controls().Text3;
    QSignalSpy spy(box, &QLineEdit::textChanged);
    box->setText(box->text());
    QCOMPARE(spy.size(), 0);
    QCheckBox *check = f.ws.controls().Check1[0];
    QSignalSpy toggles(check, &QCheckBox::toggled);
    check->setChecked(false);
    QCOMPARE(toggles.size(), 0);
}

void ControlsTest::weaveOptionsPanel()
{
    WorkspaceFixture f;
    WeaveOptionsPanel *panel = f.form.optionsPanel();
    QVERIFY(panel->isHidden());
    QCOMPARE(panel->Label9()->text(), QStringLiteral("織り込み処理"));
    QCOMPARE(panel->Check1(0)->text(), QStringLiteral("元絵の白い部分に織り込む"));
    QCOMPARE(panel->Check1(1)->text(), QStringLiteral("元絵の黒い部分に織り込む"));
    QCOMPARE(panel->Label7(4)->text(), QStringLiteral("白い色しきい値"));
    QCOMPARE(panel->Label7(5)->text(), QStringLiteral("黒い色しきい値"));
    QCOMPARE(panel->Command21()->text(), QStringLiteral("×"));

    f.form.sliders().morikomi_Click();
    QVERIFY(!panel->isHidden());
    QCOMPARE(panel->geometry(), QRect(549, 67, 220, 346));
    QCOMPARE(f.form.children().last(), panel); // in front
    QCOMPARE(panel->Text13()->toPlainText(),
             QStringLiteral("スクロールバーを移動させると色のしきいちを変えることが出来ます。"
                            "たとえば白い色のしきいちを２００とすると少し灰色ががかった色も白と判断されます"));
    QVERIFY(panel->Text13()->isReadOnly());

    // The boxes exclude each other; clearing one changes nothing else.
    f.loadBase(variedPicture(4, 3, 30));
    f.loadPattern(variedPicture(4, 3, 31));
    const QStringList log = f.log();
    QTest::mouseClick(panel->Check1(0), Qt::LeftButton);
    QVERIFY(panel->Check1(0)->isChecked());
    f.tick(1, true);
    QVERIFY(panel->Check1(1)->isChecked() && !panel->Check1(0)->isChecked());
    f.tick(1, false);
    QVERIFY(!panel->Check1(0)->isChecked() && !panel->Check1(1)->isChecked());
    QCOMPARE(f.log(), log);
    QVERIFY(f.dialogs.messages().isEmpty());

    f.tick(0, true);
    panel->Command21()->click();
    QVERIFY(panel->isHidden());
    QVERIFY(!panel->Check1(0)->isChecked() && !panel->Check1(1)->isChecked());
}

void ControlsTest::reentryGuards()
{
    WorkspaceFixture f;
    f.loadBase(variedPicture(6, 4, 32));
    f.loadPattern(variedPicture(6, 4, 33));
    f.selectTab(4);
    const QImage pattern = f.picture(1);
    const QStringList log = f.log();

    // While the program sets the sliders, their reactions stay quiet.
    f.ws.flags().ScrollSetFlg = true;
    f.setSlider(1, 70);
    f.setSlider(2, 40);
    f.setSlider(3, 200);
    f.ws.flags().ScrollSetFlg = false;
    QCOMPARE(f.log(), log);
    QVERIFY(samePixels(f.picture(1), pattern));
    QCOMPARE(f.ws.controls().Text3->text(), QStringLiteral("0"));
    QVERIFY(f.ws.flags().GaraeSentakuFlg);

    // A tone slider change arriving during a tone change is ignored.
    f.setSlider(2, 0);
    bool once = true;
    QObject::connect(f.ws.controls().Text3, &QLineEdit::textChanged, &f.form, [&] {
        if (std::exchange(once, false))
            f.setSlider(2, 90);
    });
    f.setSlider(2, 20);
    QCOMPARE(f.ws.controls().HScroll2->value(), 90);
    QVERIFY(samePixels(f.picture(1), formula::shifted(pattern, 20)));
    QCOMPARE(f.log().mid(2), (QStringList{"TbsSelect=1", "FlgState(t)=3", "Text3.Text= 20", "Noutan1"}));
    QVERIFY(!f.form.sliders().toneBusy());
    f.setSlider(2, 30);
    QVERIFY(samePixels(f.picture(1), formula::shifted(pattern, 30)));
}

void ControlsTest::sliderMemoryPerTab()
{
    WorkspaceFixture f;
    const QImage base = variedPicture(6, 4, 34);
    f.loadBase(base);
    f.loadPattern(variedPicture(6, 4, 35));
    f.selectTab(3);
    f.setSlider(2, 20);
    const QImage toned = f.picture(0);
    const QStringList log = f.log();
    const workspace::Controls &c = f.ws.controls();

    f.selectTab(4);
    QCOMPARE(c.HScroll2->value(), 0);
    QCOMPARE(c.Text3->text(), QStringLiteral("0"));
    QCOMPARE(c.HScroll3->value(), 100);
    f.selectTab(3);
    QCOMPARE(c.HScroll2->value(), 20);
    QCOMPARE(c.Text3->text(), QStringLiteral(" 20"));
    // Restoring a value runs no reaction.
    QCOMPARE(f.log(), log);
    QVERIFY(samePixels(f.picture(0), toned));

    // A weave shows tone 0 and zoom 100 on tab 5, also after a round trip.
    f.setSlider(1, 60);
    QCOMPARE(f.ws.selectedTab(), 5);
    QCOMPARE(f.ws.flags().FlgState, (std::array<std::int16_t, 3>{1, 1, 1}));
    for (int t : {5, 3, 5}) {
        f.selectTab(t);
        if (t == 5) {
            QCOMPARE(c.HScroll2->value(), 0);
            QCOMPARE(c.Text3->text(), QStringLiteral("0"));
            QCOMPARE(c.HScroll3->value(), 100);
            QCOMPARE(c.Text4->text(), QStringLiteral("100"));
        }
    }
    QCOMPARE(f.log().mid(2), (QStringList{"TbsSelect=0", "FlgState(t)=3", "Text3.Text= 20", "Noutan0",
                                          "Text2= 60", "Orikomi"}));

    weftara::workspace::TabSliderSwap(f.ws, 0);
    const workspace::SliderMemory &memory = f.ws.sliderMemory();
    QCOMPARE(memory.NoutanValue[2], 0);
    QCOMPARE(memory.NoutanText[2], QStringLiteral("0"));
    QCOMPARE(memory.ZoomText[4], QStringLiteral("100"));
    QCOMPARE(memory.TabSliderNo, 0);
}

void ControlsTest::tabFiveWithoutBase()
{
    WorkspaceFixture f;
    f.selectTab(3);
    f.selectTab(5);
    QCOMPARE(f.dialogs.messages(), QStringList{"元絵を選択してくださいね。"});
    QCOMPARE(f.ws.selectedTab(), 1);
    QVERIFY(!f.ws.Picture1(3).isHidden());
    QVERIFY(f.ws.Picture1(2).isHidden());
    QVERIFY(!f.ws.flags().OrikomiFlg);
}

void ControlsTest::collectionTabs()
{
    WorkspaceFixture f;
    f.loadBase(variedPicture(4, 3, 36));
    QSignalSpy spy(&f.ws, &workspace::Workspace::collectionTabSelected);
    f.selectTab(2);
    QCOMPARE(f.log().size(), 1);
    f.selectTab(1);
    QVERIFY(f.log().isEmpty());
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), 1);
    QCOMPARE(f.ws.Picture1(3).size(), f.form.pictureTabs()->viewportSize());
    QVERIFY(!f.ws.Picture1(3).isHidden());
    for (int k : {0, 1, 2, 4})
        QVERIFY(f.ws.Picture1(k).isHidden());
}

void ControlsTest::largePictureScrolls()
{
    WorkspaceFixture f;
    f.form.resize(640, 420);
    f.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.form));
    const QImage big = variedPicture(1000, 800, 37);
    f.loadBase(big);
    QCoreApplication::processEvents();

    QScrollArea *view = f.form.pictureTabs()->view();
    QCOMPARE(view->widget()->size(), QSize(1000, 800));
    const QRect inForm(view->mapTo(&f.form, QPoint(0, 0)), view->size());
    QVERIFY(f.form.rect().contains(inForm));
    QVERIFY(view->horizontalScrollBar()->maximum() > 0);
    QVERIFY(view->verticalScrollBar()->maximum() > 0);

    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    QCOMPARE(f.ws.Picture1(0).geometry(), QRect(0, 0, 1000, 800));
    QVERIFY(samePixels(f.picture(0), big));
    // The bottom right corner of the picture is in view.
    const QPoint corner = f.ws.Picture1(0).mapTo(view->viewport(), QPoint(999, 799));
    QVERIFY(view->viewport()->rect().contains(corner));
}

void ControlsTest::tabStripTwips_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("first start") << QSize(13500, 10700) << QRect(0, 690, 13600, 9700);
    // A window lower than 1000 twips: the height is taken as a magnitude.
    QTest::newRow("lower than 1000") << QSize(3000, 600) << QRect(0, 690, 3100, 400);
    QTest::newRow("exactly 1000 high") << QSize(3000, 1000) << QRect(0, 690, 3100, 0);
    QTest::newRow("huge") << QSize(2147483600, 100) << QRect(0, 690, 2147483647, 900);
}

void ControlsTest::tabStripTwips()
{
    QFETCH(QSize, window);
    QFETCH(QRect, expected);
    QCOMPARE(weftara::workspace::tabStripTwips(window.width(), window.height()), expected);
}
