#include "picturestest.h"

#include "formulas.h"
#include "workspacefixture.h"

#include "platform/picturememory.h"
#include "platform/surface.h"
#include "workspace/flips.h"
#include "workspace/surfaceops.h"
#include "workspace/zoom.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace weftara::testing;
using weftara::engine::ChannelStep;
using weftara::engine::WeavePart;
using weftara::workspace::CopyState;
using weftara::workspace::EffectButton;
using weftara::workspace::PerPicture;
using weftara::workspace::Picture;
using weftara::workspace::Tab;
using weftara::workspace::Workspace;

namespace {

// The lines the fixture's loads write, and the two messages.
constexpr QLatin1String BaseLine("Motoe=C:\\Motoe\\base.bmp");
constexpr QLatin1String PatternLine("Garae=C:\\Garae\\pattern.bmp");
QString selectBase()
{
    return QStringLiteral("元絵を選択してくださいね。");
}
QString selectPattern()
{
    return QStringLiteral("柄絵を選択してくださいね。");
}

QString tooLarge(int width, int height)
{
    return QStringLiteral("画像が大きすぎて、このコンピューターのメモリーでは扱えません（%1 × %2 ピクセル）。"
                          "元の画像はそのままです。").arg(width).arg(height);
}

// A lower picture limit for as long as it lives, so that the tests stay small.
struct PixelCap
{
    explicit PixelCap(qint64 pixels) { weftara::platform::setPicturePixelCap(pixels); }
    ~PixelCap() { weftara::platform::setPicturePixelCap(0); }
};

// A base whose pixels run through light, dark and mixed colours.
QImage thresholdBase()
{
    return makePicture(9, 7, [](int x, int y) {
        const quint32 v = quint32(x * 31 + y * 5) % 256;
        const quint32 g = v > 4 ? v - (x % 2) * 5 : v;
        return v | g << 8 | v << 16 | 0x11000000u;
    });
}

// What the three pictures show.
PerPicture<QImage> pictures(WorkspaceFixture &f)
{
    PerPicture<QImage> shown;
    for (const Picture picture : weftara::workspace::Pictures)
        shown[picture] = f.picture(picture);
    return shown;
}

// The copy states a weave leaves: the woven picture is its own unzoomed
// copy, the pattern's copy surface holds it, the base's copy is the base's.
PerPicture<CopyState> afterWeave(CopyState base)
{
    PerPicture<CopyState> states(CopyState::Unzoomed);
    states[Picture::Base] = base;
    return states;
}

// Base and pattern loaded and woven on the woven tab.
void loadAndWeave(WorkspaceFixture &f, const QImage &base, const QImage &pattern)
{
    f.loadBase(base);
    f.loadPattern(pattern);
    f.selectTab(Tab::Woven);
}

} // namespace

void PicturesTest::weaveButton_data()
{
    QTest::addColumn<QString>("text2");
    QTest::addColumn<int>("ratio");
    QTest::newRow("50") << "50" << 50;
    QTest::newRow("30") << "30" << 30;
    QTest::newRow("pattern alone") << "0" << 0;
    QTest::newRow("base alone") << "100" << 100;
    QTest::newRow("half to even") << " 42.5" << 42;
    // Outside 0..100 the blend writes nothing: the woven picture stays as
    // the pipeline cleared it (-1 below). Only numbers beyond 16 bits are
    // pulled back into the slider's range.
    QTest::newRow("above the range") << "101" << -1;
    QTest::newRow("far above the range") << "150" << -1;
    QTest::newRow("below the range") << "-1" << -1;
    QTest::newRow("beyond 16 bits") << "99999999" << 100;
    QTest::newRow("beyond 16 bits, negative") << "-99999999" << 1;
    QTest::newRow("no number") << "abc" << 0;
}

void PicturesTest::weaveButton()
{
    QFETCH(QString, text2);
    QFETCH(int, ratio);
    WorkspaceFixture f;
    const QImage base = variedPicture(7, 5, 1), pattern = variedPicture(7, 5, 2);
    f.loadBase(base);
    f.loadPattern(pattern);
    f.c().weaveRatioBox.setText(text2);
    f.clickEffectButton(EffectButton::Weave);

    if (ratio < 0)
        QVERIFY(samePixels(f.picture(Picture::Woven), uniformPicture(7, 5, weftara::platform::Surface::DefaultBackColor)));
    else
        QVERIFY(samePixels(f.picture(Picture::Woven), formula::weave(base, pattern, ratio)));
    QCOMPARE(f.ws.selectedTab(), Tab::Woven);
    QVERIFY(!f.ws.picture(Picture::Woven).isHidden());
    QVERIFY(f.ws.picture(Picture::Pattern).isHidden());
    // The tab change weaves once more; its lines overwrite the first weave's.
    QCOMPARE(f.log(), (QStringList{BaseLine, PatternLine, "Text2=" + text2, "Orikomi"}));
    QCOMPARE(f.ws.flags().copyState, afterWeave(CopyState::Loaded));
    QVERIFY(f.ws.flags().wovenUpToDate);
    QVERIFY(f.dialogs.messages().isEmpty());
    QVERIFY(samePixels(f.picture(Picture::Base), base));
}

void PicturesTest::thresholdWeaves()
{
    WorkspaceFixture f;
    const QImage base = thresholdBase(), pattern = variedPicture(9, 7, 3);
    f.loadBase(base);
    f.loadPattern(pattern);
    const auto select = [&](auto takes) {
        return mapPixels(base, [&](Bytes b, int x, int y) { return takes(b) ? bytesAt(pattern, x, y) : b; });
    };

    // Ticking a box does not weave; moving its threshold slider does.
    f.tick(WeavePart::Light, true);
    QCOMPARE(f.log().size(), 2);
    f.setThreshold(WeavePart::Light, 200);
    QCOMPARE(f.c().thresholdBoxes[WeavePart::Light].text(), QStringLiteral(" 200"));
    QVERIFY(samePixels(f.picture(Picture::Woven), select([](Bytes b) {
        return b.blue >= 200 && b.green >= 200 && b.red >= 200;
    })));
    QCOMPARE(f.log().mid(2), (QStringList{"ChechValue1= 200", "Text2=50", "Orikomi"}));

    // The dark weave replaces the light group whole.
    f.tick(WeavePart::Dark, true);
    QVERIFY(!f.c().weaveOptionCheckBoxes[WeavePart::Light].isChecked());
    f.setThreshold(WeavePart::Dark, 60);
    QVERIFY(samePixels(f.picture(Picture::Woven), select([](Bytes b) {
        return b.blue <= 60 && b.green <= 60 && b.red <= 60;
    })));
    QCOMPARE(f.log().mid(2), (QStringList{"ChechValue2= 60", "Text2=50", "Orikomi"}));

    // A plain weave after it has a group of its own: overwriting the last
    // two lines would leave the threshold line in front of them.
    const QStringList dark = f.log().mid(2);
    f.tick(WeavePart::Dark, false);
    f.c().weaveRatioBox.setText("80");
    f.clickEffectButton(EffectButton::Weave);
    QCOMPARE(f.log().mid(2), dark + QStringList({"Text2=80", "Orikomi"}));
    QVERIFY(samePixels(f.picture(Picture::Woven), formula::weave(base, pattern, 80)));
    QVERIFY(f.dialogs.messages().isEmpty());
}

void PicturesTest::weaveWithoutPattern()
{
    WorkspaceFixture f;
    const QImage base = variedPicture(8, 6, 4);
    f.loadBase(base);
    f.selectTab(Tab::Woven);
    QVERIFY(samePixels(f.picture(Picture::Woven), base));
    QCOMPARE(f.log(), (QStringList{BaseLine, "Text2=50", "Orikomi"}));
    QVERIFY(f.ws.flags().wovenUpToDate);

    // After a base zoom the woven copy is the zoomed base as shown, not an
    // empty picture.
    f.selectTab(Tab::Base);
    f.c().zoomSlider.setValue(50);
    f.clickEffectButton(EffectButton::Emphasize);
    f.selectTab(Tab::Woven);
    QCOMPARE(f.picture(Picture::Woven).size(), QSize(4, 3));
    QVERIFY(samePixels(f.picture(Picture::Woven), f.picture(Picture::Base)));
}

void PicturesTest::reweaveLeavesHeldPictureAlone()
{
    // A weave at the woven picture's size rewrites its memory when nothing
    // else holds it; a picture handed out before (to the store, the
    // clipboard, a print) keeps what it showed.
    WorkspaceFixture f;
    const QImage base = variedPicture(7, 5, 1), pattern = variedPicture(7, 5, 2);
    loadAndWeave(f, base, pattern);
    const QImage held = f.ws.picture(Picture::Woven).image();
    const QImage before = held.copy();
    for (const char *ratio : {"80", "101", "20"}) {
        f.c().weaveRatioBox.setText(QString::fromLatin1(ratio));
        f.clickEffectButton(EffectButton::Weave);
    }
    QVERIFY(samePixels(held, before));
    QVERIFY(samePixels(f.picture(Picture::Woven), formula::weave(base, pattern, 20)));
    QVERIFY(samePixels(f.ws.unzoomedWoven().image(), f.picture(Picture::Woven)));
}

void PicturesTest::missingPictures_data()
{
    QTest::addColumn<bool>("base");
    QTest::addColumn<bool>("pattern");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("織込比, nothing loaded") << false << false << "button" << QStringList{selectBase()};
    QTest::newRow("織込比, base only") << true << false << "button" << QStringList{selectPattern()};
    QTest::newRow("ratio slider, nothing loaded") << false << false << "ratio" << QStringList{selectBase()};
    QTest::newRow("ratio slider, base only") << true << false << "ratio" << QStringList{};
    QTest::newRow("threshold ticked, base only") << true << false << "ticked threshold"
                                                 << QStringList{selectPattern()};
    QTest::newRow("threshold, no box ticked") << true << true << "threshold" << QStringList{};
}

void PicturesTest::missingPictures()
{
    QFETCH(bool, base);
    QFETCH(bool, pattern);
    QFETCH(QString, action);
    QFETCH(QStringList, messages);
    WorkspaceFixture f;
    if (base)
        f.loadBase(variedPicture(5, 4, 5));
    if (pattern)
        f.loadPattern(variedPicture(5, 4, 6));
    const QStringList log = f.log();
    const Tab tab = f.ws.selectedTab();
    const QImage woven = f.picture(Picture::Woven);

    if (action == "button")
        f.clickEffectButton(EffectButton::Weave);
    else if (action == "ratio")
        f.c().weaveRatioSlider.setValue(70);
    else {
        f.tick(WeavePart::Light, action == "ticked threshold");
        f.setThreshold(WeavePart::Light, 200);
    }

    QCOMPARE(f.dialogs.messages(), messages);
    QCOMPARE(f.log(), log);
    QCOMPARE(f.ws.selectedTab(), tab);
    QVERIFY(samePixels(f.picture(Picture::Woven), woven));
    if (action == "ratio")
        QCOMPARE(f.c().weaveRatioBox.text(), QStringLiteral(" 70"));
    if (action.contains("threshold"))
        QCOMPARE(f.c().thresholdBoxes[WeavePart::Light].text(), QStringLiteral(" 200"));
}

void PicturesTest::effects_data()
{
    QTest::addColumn<EffectButton>("button");
    QTest::addColumn<Tab>("tab");
    QTest::addColumn<QString>("command");

    QTest::newRow("単色 on 元絵") << EffectButton::Gray << Tab::Base << "単色 0";
    QTest::newRow("ｿﾗﾘ on 元絵集 acts on the base") << EffectButton::Solarize << Tab::BaseCollection << "ソラリ 0";
    QTest::newRow("ｿﾗﾘ on 柄絵") << EffectButton::Solarize << Tab::Pattern << "ソラリ 1";
    QTest::newRow("上 F on 織込") << EffectButton::FadeTop << Tab::Woven << "上下 2";
    QTest::newRow("左 F logs 右") << EffectButton::FadeLeft << Tab::Pattern << "右 1";
    QTest::newRow("強調 on 織込") << EffectButton::Emphasize << Tab::Woven << "強調 2";
    QTest::newRow("右 F logs 左") << EffectButton::FadeRight << Tab::Base << "左 0";
    QTest::newRow("強調 on 柄絵集 acts on the base") << EffectButton::Emphasize << Tab::PatternCollection << "強調 0";
}

void PicturesTest::effects()
{
    QFETCH(EffectButton, button);
    QFETCH(Tab, tab);
    QFETCH(QString, command);
    WorkspaceFixture f;
    loadAndWeave(f, variedPicture(6, 5, 7), variedPicture(6, 5, 8));
    f.selectTab(tab);
    const Picture target = Workspace::pictureOfTab(tab).value_or(Picture::Base);
    const PerPicture<QImage> before = pictures(f);
    const QStringList log = f.log();
    const QImage &in = before[target];
    const int w = in.width(), h = in.height();

    std::function<Bytes(Bytes, int, int)> rule;
    const auto perByte = [](auto op) {
        return [op](Bytes b, int, int) { return Bytes{op(b.blue), op(b.green), op(b.red), 0}; };
    };
    const auto fade = [](auto position, double n) {
        const double step = (255 / (n - 1)) * 0.2;
        return [=](Bytes b, int x, int y) {
            const int add = formula::halfEven(position(x, y) * step);
            return Bytes{std::min(255, b.blue + add), std::min(255, b.green + add),
                         std::min(255, b.red + add), 0};
        };
    };
    switch (button) {
    case EffectButton::Gray:
        rule = [](Bytes b, int, int) {
            const int grey = formula::halfEven((0.587 * b.green + 0.299 * b.red) + 0.114 * b.blue);
            return Bytes{grey, grey, grey, 0};
        };
        break;
    case EffectButton::Solarize:
        rule = perByte([](int v) { return v >= 128 ? 255 - v : v; });
        break;
    case EffectButton::Emphasize:
        rule = perByte([](int v) { return v > 100 ? std::min(255, formula::halfEven(v * 1.3)) : v; });
        break;
    case EffectButton::FadeTop:
        rule = fade([h](int, int y) { return h - 1 - y; }, h);
        break;
    case EffectButton::FadeLeft:
        rule = fade([w](int x, int) { return w - 1 - x; }, w);
        break;
    default:
        rule = fade([](int x, int) { return x; }, w);
        break;
    }

    f.clickEffectButton(button);

    for (const Picture picture : weftara::workspace::Pictures)
        QVERIFY2(samePixels(f.picture(picture), picture == target ? mapPixels(in, rule) : before[picture]),
                 qPrintable(QStringLiteral("picture %1").arg(int(picture))));
    QCOMPARE(f.log(), (log + QStringList{QStringLiteral("SelectedItem=%1").arg(int(target)), command}));
    // A changed base or pattern (the base also from a collection tab) makes
    // the woven picture stale; the effect's picture has no copy to start from.
    QCOMPARE(f.ws.flags().wovenUpToDate, tab == Tab::Woven);
    QCOMPARE(f.ws.flags().copyState[target], CopyState::Loaded);
}

void PicturesTest::colourButtons_data()
{
    QTest::addColumn<ChannelStep>("channel");
    QTest::addColumn<Tab>("tab");
    QTest::addColumn<int>("step"); // < 0: the step box holds "abc"

    QTest::newRow("赤強 on 元絵") << ChannelStep::RedUp << Tab::Base << 20;
    QTest::newRow("青弱 on 柄絵") << ChannelStep::BlueDown << Tab::Pattern << 20;
    QTest::newRow("緑強 on 織込, step 255") << ChannelStep::GreenUp << Tab::Woven << 255;
    QTest::newRow("赤弱 on 柄絵集 changes nothing") << ChannelStep::RedDown << Tab::PatternCollection << 20;
    QTest::newRow("step 0") << ChannelStep::BlueUp << Tab::Base << 0;
    QTest::newRow("no number in the step box") << ChannelStep::GreenDown << Tab::Pattern << -1;
}

void PicturesTest::colourButtons()
{
    QFETCH(ChannelStep, channel);
    QFETCH(Tab, tab);
    QFETCH(int, step);
    const int index = int(channel);
    WorkspaceFixture f;
    loadAndWeave(f, variedPicture(5, 4, 9), variedPicture(5, 4, 10));
    f.selectTab(tab);
    if (step >= 0)
        f.c().colorStepSlider.setValue(step);
    else
        f.c().colorStepBox.setText("abc");
    const QString stepText = f.c().colorStepBox.text();
    QCOMPARE(stepText, step >= 0 ? QString::number(step) : QStringLiteral("abc"));
    const PerPicture<QImage> before = pictures(f);
    const QStringList log = f.log();
    const bool wovenUpToDate = f.ws.flags().wovenUpToDate;

    f.clickChannelButton(channel);
    f.clickChannelButton(channel);

    const int amount = std::max(step, 0) * (index < 3 ? 1 : -1);
    const auto shift = [&](Bytes b, int, int) {
        for (int i = 0; i < 2; ++i) {
            int &channel = index % 3 == 0 ? b.blue : index % 3 == 1 ? b.green : b.red;
            channel = formula::clampByte(channel + amount);
        }
        b.unused = 0;
        return b;
    };
    const std::optional<Picture> target = Workspace::pictureOfTab(tab);
    for (const Picture picture : weftara::workspace::Pictures)
        QVERIFY(samePixels(f.picture(picture), picture == target ? mapPixels(before[picture], shift)
                                                                 : before[picture]));
    const QStringList group{"Text6=" + stepText, QStringLiteral("Command8= %1").arg(index), "色変更"};
    QCOMPARE(f.log(), log + group + group);
    // As an effect, a step of the base or the pattern makes the woven picture stale.
    QCOMPARE(f.ws.flags().wovenUpToDate, wovenUpToDate && (!target || target == Picture::Woven));
}

void PicturesTest::toneOnPattern()
{
    WorkspaceFixture f;
    const QImage pattern = variedPicture(6, 4, 11);
    loadAndWeave(f, variedPicture(6, 4, 12), pattern);
    f.selectTab(Tab::Pattern);
    f.c().toneSlider.setValue(20);
    f.c().toneSlider.setValue(40);
    QVERIFY(samePixels(f.picture(Picture::Pattern), formula::shifted(pattern, 40)));
    QCOMPARE(f.log().mid(4), (QStringList{"TbsSelect=1", "FlgState(t)=3", "Text3.Text= 40", "Noutan1"}));
    QCOMPARE(f.ws.flags().copyState[Picture::Pattern], CopyState::Untoned);
    QVERIFY(!f.ws.flags().wovenUpToDate);

    // Another picture starts its own group; the woven tone sets wovenUpToDate.
    // The woven tab weaves again first (the pattern changed).
    f.selectTab(Tab::Woven);
    f.c().toneSlider.setValue(-30);
    QCOMPARE(f.log().mid(4), (QStringList{"TbsSelect=1", "FlgState(t)=3", "Text3.Text= 40", "Noutan1",
                                          "Text2=50", "Orikomi", "TbsSelect=2", "FlgState(t)=3", "Text3.Text=-30", "Noutan2"}));
    QVERIFY(f.ws.flags().wovenUpToDate);

    // On a collection tab the base is toned, without the pre-step; the
    // woven picture is then stale.
    const QImage base = f.picture(Picture::Base);
    f.selectTab(Tab::PatternCollection);
    f.c().toneSlider.setValue(10);
    QVERIFY(samePixels(f.picture(Picture::Base), formula::shifted(base, 10)));
    QVERIFY(!f.ws.flags().wovenUpToDate);
    QCOMPARE(f.log().last(), QStringLiteral("Noutan0"));
}

void PicturesTest::toneOnBaseAfterWeave()
{
    WorkspaceFixture f;
    const QImage base = variedPicture(6, 4, 13);
    f.loadBase(base);
    f.loadPattern(variedPicture(6, 4, 14));
    f.clickEffectButton(EffectButton::Weave);
    f.selectTab(Tab::Base);
    f.c().toneSlider.setValue(20);
    // Shifted once by the pre-step (kept as the untoned copy), then again.
    const QImage untoned = formula::shifted(base, 20);
    QVERIFY(samePixels(f.picture(Picture::Base), formula::shifted(untoned, 20)));
    QVERIFY(!f.ws.flags().wovenUpToDate);
    f.c().toneSlider.setValue(40);
    QVERIFY(samePixels(f.picture(Picture::Base), formula::shifted(untoned, 40)));
    // The first group stays (its amount made the untoned copy), the later
    // moves share one.
    f.c().toneSlider.setValue(30);
    QCOMPARE(f.log().mid(4), (QStringList{"TbsSelect=0", "FlgState(t)=3", "Text3.Text= 20", "Noutan0",
                                          "TbsSelect=0", "FlgState(t)=3", "Text3.Text= 30", "Noutan0"}));
}

void PicturesTest::toneStartsAfreshAfterReweave()
{
    WorkspaceFixture f;
    const QImage base = variedPicture(6, 4, 15), pattern = variedPicture(6, 4, 16);
    loadAndWeave(f, base, pattern);

    // Woven toned, then the pattern changed: the new weave is what a later
    // tone of the woven picture starts from.
    f.c().toneSlider.setValue(20);
    f.selectTab(Tab::Pattern);
    f.clickEffectButton(EffectButton::Solarize);
    const QImage solarised = f.picture(Picture::Pattern);
    f.selectTab(Tab::Woven);
    QVERIFY(samePixels(f.picture(Picture::Woven), formula::weave(base, solarised, 50)));
    f.c().toneSlider.setValue(40);
    QVERIFY(samePixels(f.picture(Picture::Woven), formula::shifted(formula::weave(base, solarised, 50), 40)));

    // Pattern toned, then re-woven (which reuses its copy surface): a later tone
    // of the pattern starts from the pattern, not from the woven picture.
    f.selectTab(Tab::Pattern);
    f.c().toneSlider.setValue(30);
    const QImage toned = f.picture(Picture::Pattern);
    f.selectTab(Tab::Woven);
    f.selectTab(Tab::Pattern);
    QCOMPARE(f.c().toneSlider.value(), 30);
    f.c().toneSlider.setValue(50);
    QVERIFY(samePixels(f.picture(Picture::Pattern), formula::shifted(toned, 50)));
}

void PicturesTest::zoomBaseTwice()
{
    WorkspaceFixture f;
    const quint32 colour = 0x00336699;
    f.loadBase(uniformPicture(40, 30, colour));
    f.loadPattern(variedPicture(40, 30, 17));
    f.selectTab(Tab::Pattern);
    f.c().zoomSlider.setValue(200);
    QCOMPARE(f.picture(Picture::Base).size(), QSize(80, 60));
    f.c().zoomSlider.setValue(50);
    // Half of the unzoomed copy, not a quarter of the first zoom.
    QCOMPARE(f.picture(Picture::Base).size(), QSize(20, 15));
    QVERIFY(sameColours(f.picture(Picture::Base), uniformPicture(20, 15, colour)));
    QCOMPARE(f.log(), (QStringList{BaseLine, PatternLine, "Text4= 50", "FlgState(0)= 0", "sZoom"}));
    QVERIFY(!f.ws.flags().patternLoaded);
    QVERIFY(!f.ws.picture(Picture::Pattern).hasPicture());
    QCOMPARE(f.ws.flags().copyState[Picture::Base], CopyState::Unzoomed);
    // The pattern tab still shows the (now empty) pattern surface, not the base.
    QVERIFY(!f.ws.picture(Picture::Pattern).isHidden());
    QVERIFY(f.ws.picture(Picture::Base).isHidden());
}

void PicturesTest::zoomWovenWithoutPattern()
{
    WorkspaceFixture f;
    f.loadBase(variedPicture(6, 4, 18));
    f.selectTab(Tab::Woven);
    const QStringList log = f.log();
    f.c().zoomSlider.setValue(200);
    QCOMPARE(f.dialogs.messages(), QStringList{selectPattern()});
    QCOMPARE(f.ws.selectedTab(), Tab::PatternCollection);
    QCOMPARE(f.log(), log);
    QCOMPARE(f.picture(Picture::Woven).size(), QSize(6, 4));
}

void PicturesTest::zoomWovenAfterTone()
{
    WorkspaceFixture f;
    loadAndWeave(f, uniformPicture(10, 8, 0x00102030), uniformPicture(10, 8, 0x00506070));
    f.c().toneSlider.setValue(20);
    f.c().zoomSlider.setValue(200);
    QCOMPARE(f.picture(Picture::Woven).size(), QSize(20, 16));
    // mix(0x50, 0x10) = 0x30 and so on, then toned by 20.
    QVERIFY(sameColours(f.picture(Picture::Woven), uniformPicture(20, 16, 0x00445464)));
    QCOMPARE(f.ws.flags().copyState[Picture::Woven], CopyState::Zoomed);
    QCOMPARE(f.log().mid(4), (QStringList{"TbsSelect=2", "FlgState(t)=3", "Text3.Text= 20", "Noutan2",
                                          "Text4= 200", "FlgState(0)= 2", "oZoom"}));
}

void PicturesTest::refusesPicturesTooLarge()
{
    const PixelCap cap(1'000'000);
    WorkspaceFixture f;
    // A zoom after a tone starts from the zoomed picture: three steps of
    // 500 % would make 25000 × 18750 pixels from 200 × 150.
    f.loadBase(variedPicture(200, 150, 30));
    f.selectTab(Tab::Base);
    f.c().zoomSlider.setValue(500);
    f.c().toneSlider.setValue(10);
    f.loadPattern(variedPicture(1000, 750, 31));
    f.ws.flags().patternLoaded = true;
    f.selectTab(Tab::Base);
    const QImage base = f.picture(Picture::Base);
    QCOMPARE(base.size(), QSize(1000, 750));
    const QStringList log = f.log();

    f.c().zoomSlider.setValue(400);
    QCOMPARE(f.dialogs.messages(), QStringList{tooLarge(4000, 3000)});
    QVERIFY(sameColours(f.picture(Picture::Base), base));
    QCOMPARE(f.log(), log);
    // The pattern still fits the base, so it stays.
    QVERIFY(f.ws.flags().patternLoaded);
    QVERIFY(f.ws.picture(Picture::Pattern).hasPicture());

    // A woven zoom, a weave and a tone that are too large keep their pictures too.
    f.clickEffectButton(EffectButton::Weave);
    const QImage woven = f.picture(Picture::Woven);
    const QStringList wovenLog = f.log();
    f.c().zoomSlider.setValue(200);
    QCOMPARE(f.dialogs.messages().last(), tooLarge(2000, 1500));
    {
        const PixelCap smaller(500'000);
        f.c().toneSlider.setValue(30);
        QCOMPARE(f.dialogs.messages().last(), tooLarge(1000, 750));
        f.clickEffectButton(EffectButton::Weave);
        QCOMPARE(f.dialogs.messages().last(), tooLarge(1000, 750));
    }
    QCOMPARE(f.dialogs.messages().size(), 4);
    QVERIFY(sameColours(f.picture(Picture::Woven), woven));
    QCOMPARE(f.log(), wovenLog);
}

void PicturesTest::failedPictureIsPutBack()
{
    // Memory that runs out after the limit let a step through: every surface
    // the step touched is put back, none is left blank.
    WorkspaceFixture f;
    f.loadBase(variedPicture(60, 40, 32));
    weftara::platform::Surface &base = f.ws.picture(Picture::Base);
    weftara::platform::Surface &copy = f.ws.copy(Picture::Base);
    const QImage before = base.image().copy();
    const QImage copyBefore = copy.picture();
    weftara::workspace::SurfaceRollback rollback{&base, &copy};
    base.setPixelSize(90, 70);
    base.setPicture(variedPicture(90, 70, 33));
    copy.clearPicture();
    QVERIFY(!rollback.keepIfMade(f.ws, {90, 70}, false));
    QCOMPARE(f.dialogs.messages(), QStringList{tooLarge(90, 70)});
    QVERIFY(sameColours(base.image(), before));
    QCOMPARE(base.size(), QSize(60, 40));
    QCOMPARE(copy.picture(), copyBefore);
}

void PicturesTest::zoomedSize_data()
{
    QTest::addColumn<QSize>("unzoomed");
    QTest::addColumn<double>("percent");
    QTest::addColumn<QSize>("zoomed");
    QTest::newRow("half") << QSize(100, 70) << 50.0 << QSize(50, 35);
    QTest::newRow("halves to even") << QSize(5, 3) << 50.0 << QSize(2, 2);
    QTest::newRow("never below one pixel") << QSize(10, 10) << 1.0 << QSize(1, 1);
    QTest::newRow("negative percent") << QSize(8, 6) << -150.0 << QSize(12, 9);
    QTest::newRow("largest") << QSize(3, 2) << 500.0 << QSize(15, 10);
}

void PicturesTest::zoomedSize()
{
    QFETCH(QSize, unzoomed);
    QFETCH(double, percent);
    QFETCH(QSize, zoomed);
    QCOMPARE(weftara::workspace::zoomedSize(unzoomed, percent), zoomed);
}

void PicturesTest::applyButtons_data()
{
    QTest::addColumn<EffectButton>("button");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("slider");
    QTest::addColumn<QSize>("baseSize");
    QTest::addColumn<int>("newLines");

    const EffectButton zoom = EffectButton::Zoom;
    const EffectButton tone = EffectButton::Tone;
    QTest::newRow("ｽﾞｰﾑ at the slider's value") << zoom << " 100" << 100 << QSize(10, 8) << 0;
    QTest::newRow("ｽﾞｰﾑ 150") << zoom << "150" << 150 << QSize(15, 12) << 3;
    QTest::newRow("ｽﾞｰﾑ below the range") << zoom << "-7" << 1 << QSize(1, 1) << 3;
    QTest::newRow("ｽﾞｰﾑ beyond 16 bits") << zoom << "99999999" << 500 << QSize(50, 40) << 3;
    QTest::newRow("濃淡 above the range") << tone << "500" << 100 << QSize(10, 8) << 4;
    QTest::newRow("濃淡 without a number") << tone << "abc" << 0 << QSize(10, 8) << 0;
}

void PicturesTest::applyButtons()
{
    QFETCH(EffectButton, button);
    QFETCH(QString, text);
    QFETCH(int, slider);
    QFETCH(QSize, baseSize);
    QFETCH(int, newLines);
    WorkspaceFixture f;
    const QImage base = variedPicture(10, 8, 19);
    f.loadBase(base);
    f.loadPattern(variedPicture(10, 8, 20));
    const int lines = int(f.log().size());
    const bool zoom = button == EffectButton::Zoom;
    (zoom ? f.c().zoomBox : f.c().toneBox).setText(text);
    f.clickEffectButton(button);

    QCOMPARE((zoom ? f.c().zoomSlider : f.c().toneSlider).value(), slider);
    QCOMPARE(f.picture(Picture::Base).size(), baseSize);
    QCOMPARE(int(f.log().size()), lines + newLines);
    QVERIFY(f.dialogs.messages().isEmpty());
    // Only a zoom that ran drops the pattern.
    QCOMPARE(f.ws.flags().patternLoaded, !(zoom && newLines > 0));
    if (!zoom && newLines > 0) {
        QCOMPARE(f.c().toneBox.text(), QStringLiteral(" 100"));
        QVERIFY(samePixels(f.picture(Picture::Base), formula::shifted(formula::shifted(base, 100), 100)));
    }
}

void PicturesTest::flips_data()
{
    QTest::addColumn<Tab>("tab");
    QTest::newRow("元絵") << Tab::Base;
    QTest::newRow("柄絵") << Tab::Pattern;
    QTest::newRow("織込") << Tab::Woven;
    QTest::newRow("元絵集") << Tab::BaseCollection;
    QTest::newRow("柄絵集") << Tab::PatternCollection;
}

void PicturesTest::flips()
{
    QFETCH(Tab, tab);
    WorkspaceFixture f;
    loadAndWeave(f, variedPicture(7, 5, 21), variedPicture(7, 5, 22));
    f.selectTab(tab);
    const PerPicture<QImage> before = pictures(f);
    const QStringList log = f.log();
    const auto copyStates = f.ws.flags().copyState;
    const std::optional<Picture> target = Workspace::pictureOfTab(tab);
    const auto expect = [&](Picture picture, bool flipX, bool flipY) {
        const QImage &in = before[picture];
        if (picture != target)
            return in;
        return mapPixels(in, [&](Bytes, int x, int y) {
            return bytesAt(in, flipX ? in.width() - 1 - x : x, flipY ? in.height() - 1 - y : y);
        });
    };
    const auto check = [&](bool flipX, bool flipY) {
        for (const Picture picture : weftara::workspace::Pictures)
            if (!samePixels(f.picture(picture), expect(picture, flipX, flipY)))
                return false;
        return true;
    };

    weftara::workspace::flipTopBottom(f.ws);
    QVERIFY(check(false, true));
    weftara::workspace::flipLeftRight(f.ws);
    QVERIFY(check(true, true)); // the same as 全体の反転
    weftara::workspace::flipBoth(f.ws);
    QVERIFY(check(false, false));
    weftara::workspace::flipLeftRight(f.ws);
    weftara::workspace::flipLeftRight(f.ws);
    QVERIFY(check(false, false));
    QCOMPARE(f.log(), log);
    // The flipped picture's copy no longer describes it.
    auto flippedStates = copyStates;
    if (target)
        flippedStates[*target] = CopyState::Loaded;
    QVERIFY(f.ws.flags().copyState == flippedStates);
}

void PicturesTest::flipKeepsZoomSource()
{
    WorkspaceFixture f;
    loadAndWeave(f, variedPicture(8, 6, 23), variedPicture(8, 6, 24));
    const QImage woven = f.picture(Picture::Woven);
    f.selectTab(Tab::Pattern);
    weftara::workspace::flipLeftRight(f.ws);
    f.selectTab(Tab::Woven);
    f.c().zoomSlider.setValue(200);
    f.c().zoomSlider.setValue(100);
    QVERIFY(sameColours(f.picture(Picture::Woven), woven));

    // A flipped woven picture is zoomed flipped: the zoom starts from it.
    weftara::workspace::flipLeftRight(f.ws);
    f.c().zoomSlider.setValue(50);
    f.c().zoomSlider.setValue(100);
    QVERIFY(sameColours(f.picture(Picture::Woven), woven.mirrored(true, false)));
}
