#include "controlstest.h"

#include "formulas.h"
#include "workspacefixture.h"

#include "platform/surface.h"
#include "platform/surfaceview.h"
#include "support/fakeload.h"
#include "workspace/controlpanel.h"
#include "workspace/controlreactions.h"
#include "workspace/effects.h"
#include "workspace/formlayout.h"
#include "workspace/picturetabs.h"
#include "workspace/sliders.h"
#include "workspace/tabchange.h"
#include "workspace/weaveoptionspanel.h"

#include <QApplication>
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
using weftara::engine::ChannelStep;
using weftara::engine::WeavePart;
using weftara::workspace::CopyState;
using weftara::workspace::EffectButton;
using weftara::workspace::PerPicture;
using weftara::workspace::Picture;
using weftara::workspace::Tab;
namespace workspace = weftara::workspace;
using weftara::workspace::ControlPanel;
using weftara::workspace::WeaveOptionsPanel;

void ControlsTest::controlPanelCaptions()
{
    WorkspaceFixture f;
    ControlPanel *panel = f.form.controlPanel();
    QCOMPARE(panel->size(), QSize(547, 46));
    QCOMPARE(panel->title()->text(), QStringLiteral("コントロール"));
    const QStringList effects{"単色", "ｿﾗﾘ", "上 F", "左 F", "強調", "右 F", "ｽﾞｰﾑ", "濃淡", "織込比"};
    for (std::size_t i = 0; i < weftara::workspace::EffectButtons.size(); ++i)
        QCOMPARE(panel->effectButton(weftara::workspace::EffectButtons[i])->text(), effects[qsizetype(i)]);
    const QStringList channels{"青強", "緑強", "赤強", "青弱", "緑弱", "赤弱"};
    const auto channel = [panel](int i) { return panel->channelButton(ChannelStep(i)); };
    for (int i = 0; i < 6; ++i)
        QCOMPARE(channel(i)->text(), channels[i]);
    QCOMPARE(panel->closeButton()->text(), QStringLiteral("×"));
    // 赤強 緑強 青強 over 赤弱 緑弱 青弱, left to right.
    for (int i : {2, 1, 0}) {
        QCOMPARE(channel(i)->x(), channel(i + 3)->x());
        QVERIFY(channel(i)->geometry().bottom() < channel(i + 3)->y());
    }
    QVERIFY(channel(2)->x() < channel(1)->x());
    QVERIFY(channel(1)->x() < channel(0)->x());
    // ｽﾞｰﾑ, 濃淡 and 織込比 stand above their sliders.
    const auto above = [](QWidget *button, QWidget *slider) {
        return button->geometry().bottom() < slider->y() && button->x() >= slider->x()
            && button->geometry().right() <= slider->geometry().right();
    };
    QVERIFY(above(panel->effectButton(EffectButton::Weave), panel->weaveRatioSlider()));
    QVERIFY(above(panel->effectButton(EffectButton::Tone), panel->toneSlider()));
    QVERIFY(above(panel->effectButton(EffectButton::Zoom), panel->zoomSlider()));

    panel->closeButton()->click();
    QVERIFY(panel->isHidden());
    QCOMPARE(f.form.pictureTabs()->tabStrip()->count(), 5);
    const QStringList tabs{"元絵集", "柄絵集", "元絵", "柄絵", "織込"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(f.form.pictureTabs()->tabStrip()->tabText(i), tabs[i]);
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
    QTest::newRow("weave ratio") << "weaveRatioSlider" << "weaveRatioBox" << 1 << 100 << 50 << 1 << "50";
    QTest::newRow("tone") << "toneSlider" << "toneBox" << -100 << 100 << 0 << 20 << "0";
    QTest::newRow("zoom") << "zoomSlider" << "zoomBox" << 1 << 500 << 100 << 1 << "100";
    QTest::newRow("colour step") << "colorStepSlider" << "colorStepBox" << 0 << 255 << 20 << 20 << "20";
    QTest::newRow("white threshold") << "lightThresholdSlider" << "lightThresholdBox" << 0 << 255 << 255 << 10
                                     << "255";
    QTest::newRow("black threshold") << "darkThresholdSlider" << "darkThresholdBox" << 0 << 255 << 0 << 10 << "0";
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
    QWidget *panel = options ? static_cast<QWidget *>(f.form.weaveOptionsPanel()) : f.form.controlPanel();
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
    QScrollBar *step = f.form.controlPanel()->colorStepSlider();
    QSignalSpy changes(step, &QScrollBar::valueChanged);
    step->setSliderDown(true);
    for (int position : {30, 60, 90})
        step->setSliderPosition(position);
    QCOMPARE(changes.size(), 0);
    QCOMPARE(f.c().colorStepBox.text(), QStringLiteral("20"));
    step->setSliderDown(false);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(f.c().colorStepBox.text(), QStringLiteral("90"));
    // A click in the trough is one completed change too.
    step->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(changes.size(), 2);
    QCOMPARE(f.c().colorStepBox.text(), QStringLiteral("110"));
}

// A value reports a change only when it really changes, as the widgets
// did; a quiet set shows the value but runs no reaction.
void ControlsTest::valuesReportOnlyChanges()
{
    workspace::RangedValue ratio(1, 100, 50);
    QSignalSpy shown(&ratio, &workspace::RangedValue::valueSet);
    QSignalSpy changed(&ratio, &workspace::RangedValue::valueChanged);
    for (const int value : {50, 400, 100})
        ratio.setValue(value);
    ratio.setValueQuietly(-5);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].toInt(), 100);
    QCOMPARE(shown.size(), 2);
    QCOMPARE(ratio.value(), 1);
    ratio.setRange(10, 20);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(ratio.value(), 10);

    workspace::TextValue box(QStringLiteral("0"));
    QSignalSpy texts(&box, &workspace::TextValue::textChanged);
    box.setText(QStringLiteral("0"));
    box.setText(QString(40000, u'9')); // a line edit keeps as much
    box.setText(QString(32767, u'9'));
    QCOMPARE(texts.size(), 1);
    QCOMPARE(box.text().size(), 32767);

    workspace::OnOffValue option;
    QSignalSpy toggles(&option, &workspace::OnOffValue::toggled);
    for (const bool on : {false, true, true})
        option.setChecked(on);
    QCOMPARE(toggles.size(), 1);

    workspace::TabSelection tabs(Tab::Base);
    QSignalSpy selections(&tabs, &workspace::TabSelection::currentChanged);
    for (const Tab tab : {Tab::Base, Tab::Woven, Tab::Woven})
        tabs.select(tab);
    QCOMPARE(selections.size(), 1);
}

// The widgets are views of the values: a value set from code shows in its
// widget and reacts once, a user's change reaches the value and reacts once.
void ControlsTest::widgetsShowValues()
{
    WorkspaceFixture f;
    workspace::ControlPanel &panel = *f.form.controlPanel();
    QSignalSpy reactions(&f.c().colorStepSlider, &workspace::RangedValue::valueChanged);
    f.c().colorStepSlider.setValue(90);
    QCOMPARE(panel.colorStepSlider()->value(), 90);
    QCOMPARE(panel.colorStepBox()->text(), QStringLiteral("90"));
    panel.colorStepSlider()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(f.c().colorStepBox.text(), QStringLiteral("91"));
    QCOMPARE(reactions.size(), 2);
    QTest::keyClicks(panel.zoomBox(), QStringLiteral("5"));
    QCOMPARE(f.c().zoomBox.text(), QStringLiteral("1005"));
    f.c().toneSlider.setValueQuietly(30);
    QCOMPARE(panel.toneSlider()->value(), 30);
    QCOMPARE(f.c().toneBox.text(), QStringLiteral("0"));

    workspace::WeaveOptionsPanel &options = *f.form.weaveOptionsPanel();
    options.weaveOptionCheckBox(WeavePart::Light)->click();
    QVERIFY(f.c().weaveOptionCheckBoxes[WeavePart::Light].isChecked());
    f.tick(WeavePart::Dark, true);
    QVERIFY(!options.weaveOptionCheckBox(WeavePart::Light)->isChecked());

    QTabBar &strip = *f.form.pictureTabs()->tabStrip();
    strip.setCurrentIndex(2);
    QCOMPARE(f.ws.selectedTab(), Tab::Base);
    f.selectTab(Tab::Pattern);
    QCOMPARE(strip.currentIndex(), 3);
}

// The handlers need no widgets: a workspace whose surfaces and values have
// no view makes the same pictures and log as the form.
void ControlsTest::handlersRunWithoutWidgets()
{
    const auto steps = [](workspace::Workspace &ws) {
        fakeBaseLoad(ws, variedPicture(12, 9, 40));
        fakePatternLoad(ws, variedPicture(12, 9, 41));
        workspace::Controls &c = ws.controls();
        c.weaveRatioSlider.setValue(30);
        c.weaveOptionCheckBoxes[WeavePart::Dark].setChecked(true);
        c.thresholdSliders[WeavePart::Dark].setValue(120);
        c.zoomSlider.setValue(60);
        workspace::runEffect(ws, workspace::EffectButton::Solarize);
        ws.selectTab(Tab::Base);
        c.toneSlider.setValue(-20);
        c.zoomSlider.setValue(150);
    };
    const qsizetype widgets = QApplication::allWidgets().size();
    ScriptedDialogs dialogs;
    workspace::Workspace bare(dialogs);
    workspace::Sliders sliders(bare);
    workspace::connectReactions(bare, sliders);
    steps(bare);
    QCOMPARE(QApplication::allWidgets().size(), widgets);

    WorkspaceFixture f;
    steps(f.ws);
    QCOMPARE(bare.log().lines(), f.log());
    QCOMPARE(bare.log().lines().size(), 19); // every step ran
    for (const Picture picture : workspace::Pictures)
        QVERIFY(samePixels(bare.picture(picture).image(), f.picture(picture)));
    QCOMPARE(bare.selectedTab(), Tab::Base);
    QVERIFY(dialogs.messages().isEmpty() && f.dialogs.messages().isEmpty());
}

void ControlsTest::weaveOptionsPanel()
{
    WorkspaceFixture f;
    WeaveOptionsPanel *panel = f.form.weaveOptionsPanel();
    QCheckBox *light = panel->weaveOptionCheckBox(WeavePart::Light);
    QCheckBox *dark = panel->weaveOptionCheckBox(WeavePart::Dark);
    QVERIFY(panel->isHidden());
    QCOMPARE(panel->title()->text(), QStringLiteral("織り込み処理"));
    QCOMPARE(light->text(), QStringLiteral("元絵の白い部分に織り込む"));
    QCOMPARE(dark->text(), QStringLiteral("元絵の黒い部分に織り込む"));
    QCOMPARE(panel->thresholdLabel(WeavePart::Light)->text(), QStringLiteral("白い色しきい値"));
    QCOMPARE(panel->thresholdLabel(WeavePart::Dark)->text(), QStringLiteral("黒い色しきい値"));
    QCOMPARE(panel->closeButton()->text(), QStringLiteral("×"));

    f.form.sliders().openWeaveOptions();
    QVERIFY(!panel->isHidden());
    QCOMPARE(panel->geometry(), QRect(549, 67, 220, 346));
    QCOMPARE(f.form.children().last(), panel); // in front
    QCOMPARE(panel->helpBox()->toPlainText(),
             QStringLiteral("スクロールバーを移動させると色のしきいちを変えることが出来ます。"
                            "たとえば白い色のしきいちを２００とすると少し灰色ががかった色も白と判断されます"));
    QVERIFY(panel->helpBox()->isReadOnly());

    // The boxes exclude each other; clearing one changes nothing else.
    f.loadBase(variedPicture(4, 3, 30));
    f.loadPattern(variedPicture(4, 3, 31));
    const QStringList log = f.log();
    QTest::mouseClick(light, Qt::LeftButton);
    QVERIFY(light->isChecked());
    f.tick(WeavePart::Dark, true);
    QVERIFY(dark->isChecked() && !light->isChecked());
    f.tick(WeavePart::Dark, false);
    QVERIFY(!light->isChecked() && !dark->isChecked());
    QCOMPARE(f.log(), log);
    QVERIFY(f.dialogs.messages().isEmpty());

    f.tick(WeavePart::Light, true);
    panel->closeButton()->click();
    QVERIFY(panel->isHidden());
    QVERIFY(!light->isChecked() && !dark->isChecked());
}

void ControlsTest::toneChangeDuringToneIsIgnored()
{
    WorkspaceFixture f;
    f.loadBase(variedPicture(6, 4, 32));
    f.loadPattern(variedPicture(6, 4, 33));
    f.selectTab(Tab::Pattern);
    const QImage pattern = f.picture(Picture::Pattern);

    bool once = true;
    QObject::connect(&f.c().toneBox, &workspace::TextValue::textChanged, &f.form, [&] {
        if (std::exchange(once, false))
            f.c().toneSlider.setValue(90);
    });
    f.c().toneSlider.setValue(20);
    QCOMPARE(f.c().toneSlider.value(), 90);
    QVERIFY(samePixels(f.picture(Picture::Pattern), formula::shifted(pattern, 20)));
    QCOMPARE(f.log().mid(2), (QStringList{"TbsSelect=1", "FlgState(t)=3", "Text3.Text= 20", "Noutan1"}));
    // The guard is down again afterwards.
    f.c().toneSlider.setValue(30);
    QVERIFY(samePixels(f.picture(Picture::Pattern), formula::shifted(pattern, 30)));
}

void ControlsTest::sliderMemoryPerTab()
{
    WorkspaceFixture f;
    const QImage base = variedPicture(6, 4, 34);
    f.loadBase(base);
    f.loadPattern(variedPicture(6, 4, 35));
    f.selectTab(Tab::Base);
    f.c().toneSlider.setValue(20);
    const QImage toned = f.picture(Picture::Base);
    const QStringList log = f.log();
    workspace::Controls &c = f.c();

    f.selectTab(Tab::Pattern);
    QCOMPARE(c.toneSlider.value(), 0);
    QCOMPARE(c.toneBox.text(), QStringLiteral("0"));
    QCOMPARE(c.zoomSlider.value(), 100);
    f.selectTab(Tab::Base);
    QCOMPARE(c.toneSlider.value(), 20);
    QCOMPARE(c.toneBox.text(), QStringLiteral(" 20"));
    // Restoring a value runs no reaction.
    QCOMPARE(f.log(), log);
    QVERIFY(samePixels(f.picture(Picture::Base), toned));

    // A weave shows tone 0 and zoom 100 on the woven tab, also after a round trip.
    f.c().weaveRatioSlider.setValue(60);
    QCOMPARE(f.ws.selectedTab(), Tab::Woven);
    // The toned base keeps its untoned copy.
    QCOMPARE(f.ws.flags().copyState[Picture::Base], CopyState::Untoned);
    QCOMPARE(f.ws.flags().copyState[Picture::Woven], CopyState::Unzoomed);
    for (const Tab tab : {Tab::Woven, Tab::Base, Tab::Woven}) {
        f.selectTab(tab);
        if (tab == Tab::Woven) {
            QCOMPARE(c.toneSlider.value(), 0);
            QCOMPARE(c.toneBox.text(), QStringLiteral("0"));
            QCOMPARE(c.zoomSlider.value(), 100);
            QCOMPARE(c.zoomBox.text(), QStringLiteral("100"));
        }
    }
    QCOMPARE(f.log().mid(2), (QStringList{"TbsSelect=0", "FlgState(t)=3", "Text3.Text= 20", "Noutan0",
                                          "Text2= 60", "Orikomi"}));
}

void ControlsTest::wovenTabWithoutBase()
{
    WorkspaceFixture f;
    f.selectTab(Tab::Base);
    f.selectTab(Tab::Woven);
    QCOMPARE(f.dialogs.messages(), QStringList{"元絵を選択してくださいね。"});
    QCOMPARE(f.ws.selectedTab(), Tab::BaseCollection);
    QVERIFY(!f.ws.baseSheet().isHidden());
    QVERIFY(f.ws.picture(Picture::Woven).isHidden());
    QVERIFY(!f.ws.flags().wovenUpToDate);
}

void ControlsTest::collectionTabs()
{
    WorkspaceFixture f;
    f.loadBase(variedPicture(4, 3, 36));
    QSignalSpy spy(&f.ws, &workspace::Workspace::collectionTabSelected);
    f.selectTab(Tab::PatternCollection);
    QCOMPARE(f.log().size(), 1);
    f.selectTab(Tab::BaseCollection);
    QVERIFY(f.log().isEmpty());
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).value<Tab>(), Tab::PatternCollection);
    QCOMPARE(spy.at(1).at(0).value<Tab>(), Tab::BaseCollection);
    QCOMPARE(f.ws.baseSheet().size(), f.form.pictureTabs()->viewportSize());
    QVERIFY(!f.ws.baseSheet().isHidden());
    for (const Tab tab : {Tab::PatternCollection, Tab::Base, Tab::Pattern, Tab::Woven})
        QVERIFY(f.ws.surfaceOfTab(tab).isHidden());
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
    QCOMPARE(f.ws.picture(Picture::Base).geometry(), QRect(0, 0, 1000, 800));
    QVERIFY(samePixels(f.picture(Picture::Base), big));
    // The bottom right corner of the picture is in view.
    const QWidget *shown = f.form.surfaceView(f.ws.picture(Picture::Base));
    QVERIFY(shown);
    const QPoint corner = shown->mapTo(view->viewport(), QPoint(999, 799));
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
