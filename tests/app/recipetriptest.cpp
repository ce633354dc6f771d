#include "app/recipetriptest.h"

#include "app/mainwindow.h"
#include "platform/picturememory.h"
#include "platform/surface.h"
#include "platform/surfaceview.h"
#include "recipes/picturerecipe.h"
#include "recipes/recipebook.h"
#include "recipes/recipepanel.h"
#include "recipes/replay.h"
#include "recipes/windowlessreplay.h"
#include "support/exiforientation.h"
#include "support/imagecompare.h"
#include "support/scripteddialogs.h"
#include "textweave/textweaver.h"
#include "workspace/controlpanel.h"
#include "workspace/workspace.h"
#include "workspace/workspaceform.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>

#include <cstring>

using weftara::app::MainWindow;
using weftara::platform::ProgramFolder;
using weftara::testing::jpegWithOrientation;
using weftara::testing::samePixels;
using weftara::testing::storedForOrientation;
using weftara::testing::ScriptedDialogs;
using weftara::engine::WeavePart;
namespace ws = weftara::workspace;

namespace {

// A base of 60 × 40 with a gradient and a 16 × 12 pattern of stripes.
QImage basePicture()
{
    QImage image(60, 40, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 6, 255 - x * 4));
    return image;
}

QImage patternPicture()
{
    QImage image(16, 12, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x / 4) % 2 ? qRgb(250, 250, 250) : qRgb(20, 90, 160));
    return image;
}

struct Program
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;

    Program()
    {
        QDir(dir.path()).mkpath(QStringLiteral("Motoe"));
        QDir(dir.path()).mkpath(QStringLiteral("Garae"));
        basePicture().save(dir.filePath(QStringLiteral("Motoe/base.bmp")), "BMP");
        patternPicture().save(dir.filePath(QStringLiteral("Garae/stripes.bmp")), "BMP");
    }
    ProgramFolder folder() const { return ProgramFolder(dir.path()); }
    QString recipes() const { return dir.filePath(QStringLiteral("kotoba.txt")); }
    QString base() const { return dir.filePath(QStringLiteral("Motoe/base.bmp")); }
    // The recipe file, UTF-8; "%1" stands for the base picture's path.
    bool writeRecipes(const QString &text) const
    {
        QFile file(recipes());
        const QByteArray bytes = text.arg(base()).toUtf8();
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
};

// One window on the program folder, driven through its controls.
struct Window
{
    explicit Window(Program &program)
        : w(program.folder(), &program.dialogs)
        , s(w.form().workspace())
    {
    }

    MainWindow w;
    ws::Workspace &s;

    void clickSheet(ws::Tab collectionTab, QPoint at)
    {
        w.form().clickTab(collectionTab);
        QTest::mouseClick(w.form().surfaceView(s.surfaceOfTab(collectionTab)), Qt::LeftButton, {}, at);
    }
    void loadBoth()
    {
        clickSheet(ws::Tab::BaseCollection, {10, 10});
        clickSheet(ws::Tab::PatternCollection, {10, 10});
    }
    ws::ControlPanel &panel() { return *w.form().controlPanel(); }
    QImage woven() { return s.picture(ws::Picture::Woven).image().copy(); }
    void replay(int row)
    {
        w.recipeBook().openPanel();
        QListWidget *list = w.recipePanel().nameList();
        list->setCurrentRow(row);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    void save(const QString &name)
    {
        w.recipeBook().openPanel();
        w.recipePanel().nameBox()->setText(name);
        w.recipePanel().saveButton()->click();
    }
};

QStringList withoutSize(QStringList log)
{
    // Window geometry groups depend on the window manager, not the recipe.
    QStringList kept;
    for (qsizetype i = 0; i < log.size(); ++i) {
        if (log[i] == QLatin1String("Size")) {
            while (!kept.isEmpty() && (kept.last().startsWith("Left=") || kept.last().startsWith("Top=")
                                       || kept.last().startsWith("Width=") || kept.last().startsWith("Height=")))
                kept.removeLast();
            continue;
        }
        kept << log[i];
    }
    return kept;
}

} // namespace

void RecipeTripTest::roundTripGivesTheSamePicture()
{
    Program program;
    QImage made;
    QStringList madeLog;
    {
        Window a(program);
        a.loadBoth();
        a.panel().weaveRatioBox()->setText(QStringLiteral("30"));
        a.panel().effectButton(ws::EffectButton::Weave)->click();
        QCOMPARE(a.s.selectedTab(), ws::Tab::Woven);
        a.panel().toneSlider()->setValue(20);  // tone the woven picture
        a.panel().zoomSlider()->setValue(150); // zoom it
        a.panel().channelButton(weftara::engine::ChannelStep::RedUp)->click();
        weftara::textweave::TextWeaver &text = a.w.textWeaver();
        text.toggleTextMode();
        text.placedText().setText(QStringLiteral("織込\r\nWeft"));
        text.placedText().setLeft(5);
        text.placedText().setTop(4);
        text.placedText().setColor(QColor(200, 30, 40));
        text.placedText().setFontSize(12);
        text.drawText();
        text.closeTextPanel();
        made = a.woven();
        madeLog = withoutSize(a.s.log().lines());
        a.save(QStringLiteral("旅"));
    }
    QVERIFY(program.dialogs.messages().isEmpty());
    QCOMPARE(made.size(), QSize(90, 60));
    QVERIFY(madeLog.contains(QStringLiteral("MojiKakikomi")));
    QVERIFY(madeLog.contains(QStringLiteral("oZoom")));

    Window b(program);
    b.replay(0);
    QVERIFY(program.dialogs.messages().isEmpty());
    QVERIFY(samePixels(b.woven(), made));
    QCOMPARE(withoutSize(b.s.log().lines()), madeLog);
    QVERIFY(!b.s.flags().replaying);
    QVERIFY(!b.w.textWeaver().panelShown());

    // The same recipe on a workspace without a window: the same picture and
    // log, and no widget made for it.
    const qsizetype widgets = QApplication::allWidgets().size();
    ScriptedDialogs dialogs;
    weftara::recipes::WindowlessReplay replay(dialogs, program.folder());
    replay.replay(weftara::recipes::recipeBlockOf(QStringLiteral("旅"), madeLog));
    ws::Workspace &bare = replay.workspace();
    QCOMPARE(QApplication::allWidgets().size(), widgets);
    QVERIFY(dialogs.messages().isEmpty());
    QVERIFY(samePixels(bare.picture(ws::Picture::Woven).image(), made));
    QCOMPARE(withoutSize(bare.log().lines()), madeLog);
}

void RecipeTripTest::tonesOnEachPictureRoundTrip()
{
    Program program;
    QImage made, madeBase, madePattern;
    QStringList madeLog;
    {
        Window a(program);
        a.loadBoth();
        a.s.selectTab(ws::Tab::Pattern);
        a.panel().toneSlider()->setValue(-40); // the pattern, before weaving
        a.s.selectTab(ws::Tab::Base);
        a.panel().toneSlider()->setValue(30); // the base
        a.s.selectTab(ws::Tab::Woven);
        a.s.selectTab(ws::Tab::Pattern);
        a.panel().toneSlider()->setValue(20); // the pattern again, after a weave
        a.s.selectTab(ws::Tab::Woven);
        made = a.woven();
        madeBase = a.s.picture(ws::Picture::Base).image().copy();
        madePattern = a.s.picture(ws::Picture::Pattern).image().copy();
        madeLog = withoutSize(a.s.log().lines());
        a.save(QStringLiteral("濃淡"));
    }
    Window b(program);
    b.replay(0);
    QCOMPARE(withoutSize(b.s.log().lines()), madeLog);
    QVERIFY(samePixels(b.s.picture(ws::Picture::Pattern).image(), madePattern));
    QVERIFY(samePixels(b.s.picture(ws::Picture::Base).image(), madeBase));
    QVERIFY(samePixels(b.woven(), made));
}

void RecipeTripTest::wovenToneAfterEffectRoundTrip()
{
    // Two tones of the woven picture with an effect between them: the second
    // starts from the picture the effect left, in the replay as when it was
    // made.
    Program program;
    QImage made;
    QStringList madeLog;
    {
        Window a(program);
        a.loadBoth();
        a.panel().effectButton(ws::EffectButton::Weave)->click();
        a.panel().toneSlider()->setValue(20);
        a.panel().effectButton(ws::EffectButton::Gray)->click();
        a.panel().toneSlider()->setValue(40);
        made = a.woven();
        madeLog = withoutSize(a.s.log().lines());
        a.save(QStringLiteral("二度"));
    }
    Window b(program);
    b.replay(0);
    QCOMPARE(withoutSize(b.s.log().lines()), madeLog);
    QVERIFY(samePixels(b.woven(), made));
}

void RecipeTripTest::baseZoomAfterToneRoundTrip()
{
    // After a weave the base is toned and then zoomed: the zoom starts from
    // the toned base, in the replay as when it was made.
    Program program;
    QImage madeBase;
    QStringList madeLog;
    {
        Window a(program);
        a.loadBoth();
        a.panel().effectButton(ws::EffectButton::Weave)->click();
        a.s.selectTab(ws::Tab::Base);
        a.panel().toneSlider()->setValue(30);
        a.panel().zoomSlider()->setValue(150);
        madeBase = a.s.picture(ws::Picture::Base).image().copy();
        madeLog = withoutSize(a.s.log().lines());
        a.save(QStringLiteral("拡大"));
    }
    QVERIFY(madeLog.contains(QStringLiteral("sZoom")));
    Window b(program);
    b.replay(0);
    QCOMPARE(withoutSize(b.s.log().lines()), madeLog);
    QVERIFY(samePixels(b.s.picture(ws::Picture::Base).image(), madeBase));
}

void RecipeTripTest::orientedPhotoRoundTrip()
{
    // A phone's portrait photo: stored landscape, to be turned a quarter
    // clockwise. The recipe names the file; its replay turns it the same way.
    Program program;
    const QImage upright = basePicture().transformed(QTransform().rotate(90));
    QVERIFY(QFile::remove(program.dir.filePath(QStringLiteral("Motoe/base.bmp"))));
    QFile photo(program.dir.filePath(QStringLiteral("Motoe/photo.jpg")));
    QVERIFY(photo.open(QIODevice::WriteOnly));
    photo.write(jpegWithOrientation(storedForOrientation(upright, 6), 6));
    photo.close();
    QImage made;
    {
        Window a(program);
        a.loadBoth();
        a.panel().effectButton(ws::EffectButton::Weave)->click();
        QCOMPARE(a.s.picture(ws::Picture::Base).image().size(), upright.size());
        made = a.woven();
        a.save(QStringLiteral("縦"));
    }
    Window b(program);
    b.replay(0);
    QVERIFY(program.dialogs.messages().isEmpty());
    QCOMPARE(b.s.picture(ws::Picture::Base).image().size(), upright.size());
    QVERIFY(samePixels(b.woven(), made));
}

void RecipeTripTest::thresholdWeaveRoundTrip()
{
    Program program;
    QImage made;
    {
        Window a(program);
        a.loadBoth();
        ws::Controls &c = a.s.controls();
        c.weaveOptionCheckBoxes[WeavePart::Dark].setChecked(true);
        c.thresholdSliders[WeavePart::Dark].setValue(120); // weave into the dark parts below 120
        made = a.woven();
        a.save(QStringLiteral("暗"));
    }
    Window b(program);
    b.replay(0);
    QVERIFY(samePixels(b.woven(), made));
    const ws::Controls &c = b.s.controls();
    // After the replayed weave the options are back to their defaults.
    QVERIFY(!c.weaveOptionCheckBoxes[WeavePart::Light].isChecked()
            && !c.weaveOptionCheckBoxes[WeavePart::Dark].isChecked());
    QCOMPARE(c.thresholdSliders[WeavePart::Light].value(), 255);
    QCOMPARE(c.thresholdSliders[WeavePart::Dark].value(), 0);
    QCOMPARE(b.s.log().lines().mid(b.s.log().count() - 3),
             (QStringList{"ChechValue2= 120", "Text2=50", "Orikomi"}));
}

void RecipeTripTest::thresholdEqualToSliderWeaves()
{
    Program program;
    QFile file(program.recipes());
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QString base = program.dir.filePath(QStringLiteral("Motoe/base.bmp"));
    const QString pattern = program.dir.filePath(QStringLiteral("Garae/stripes.bmp"));
    file.write(QStringLiteral("詞初め白\r\n詞の説明=\r\nMotoe=%1\r\nGarae=%2\r\nText2=50\r\nOrikomi\r\n"
                              "ChechValue1= 255\r\nText2=50\r\nOrikomi\r\n詞終わり\r\n\r\n")
                   .arg(base, pattern)
                   .toUtf8());
    file.close();

    Window b(program);
    b.replay(0);
    // The light threshold already stands at 255, where the slider does not
    // move: the weave into the light parts is made all the same. No pixel of
    // the base is that light, so the woven picture is the base.
    QCOMPARE(b.s.log().lines(), (QStringList{"Motoe=" + base, "Garae=" + pattern, "Text2=50", "Orikomi",
                                             "ChechValue1= 255", "Text2=50", "Orikomi"}));
    QVERIFY(weftara::testing::sameColours(b.woven(), basePicture()));
}

void RecipeTripTest::windowsRecipeUsesFallbackFolders()
{
    Program program;
    // Written on Windows: Shift-JIS, CR LF, paths of another machine.
    QStringEncoder sjis("windows-31j");
    const QString text = QStringLiteral("詞初め窓\r\n詞の説明=別の機械で\r\nMotoe=C:\\Program Files\\Weftara\\Motoe\\BASE.BMP\r\n"
                                        "Garae=D:\\柄\\stripes.bmp\r\nText2= 40\r\nOrikomi\r\n"
                                        "SelectedItem=2\r\n強調 2\r\n詞終わり\r\n\r\n");
    QFile file(program.recipes());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(sjis.encode(text));
    file.close();
    // The base was stored in upper case on Windows; here the file name's
    // case differs, and the folder is found regardless of case.
    QVERIFY(QFile::rename(program.dir.filePath("Motoe/base.bmp"), program.dir.filePath("Motoe/BASE.BMP")));

    Window b(program);
    b.replay(0);
    QVERIFY2(program.dialogs.messages().isEmpty(), qPrintable(program.dialogs.messages().join("|")));
    const QStringList log = b.s.log().lines();
    QVERIFY(log.value(0).startsWith(QStringLiteral("Motoe=")));
    QVERIFY(log.value(0).endsWith(QStringLiteral("BASE.BMP")));
    QVERIFY(log.value(0).contains(program.dir.path()));
    QVERIFY(log.value(1).startsWith(QStringLiteral("Garae=")));
    QVERIFY(log.value(1).endsWith(QStringLiteral("stripes.bmp")));
    QCOMPARE(log.mid(2), (QStringList{"Text2= 40", "Orikomi", "SelectedItem=2", "強調 2"}));
    QCOMPARE(b.w.recipePanel().descriptionBox()->toPlainText(), QStringLiteral("別の機械で"));
    QCOMPARE(b.woven().size(), QSize(60, 40));
}

void RecipeTripTest::brokenRecipeReplaysWhatItCan()
{
    Program program;
    QVERIFY(program.writeRecipes(
        QStringLiteral("詞初め壊\r\nOrikomi\r\nMotoe=%1\r\nNoutan7\r\nFlgState(0)=99999999999\r\n"
                       "Text4=1e300\r\nsZoom\r\nCommand8= 77\r\n色変更\r\n上下 9\r\nMojiKakikomi\r\n"
                       "Text2=abc\r\nOrikomi\r\n")));
    Window b(program);
    b.replay(0);
    // The base loads and the plain weave runs; the broken groups are skipped.
    QVERIFY(b.s.flags().baseLoaded);
    QCOMPARE(b.s.log().lines().value(0), "Motoe=" + program.base());
    QVERIFY(!b.w.textWeaver().panelShown());
}

void RecipeTripTest::replaySkipsPicturesTooLarge()
{
    Program program;
    QVERIFY(program.writeRecipes(QStringLiteral("詞初め大\r\nMotoe=%1\r\nText4= 500\r\nFlgState(0)= 0\r\nsZoom\r\n"
                                                "SelectedItem=0\r\n単色 0\r\n詞終わり\r\n")));
    Window b(program);
    weftara::platform::setPicturePixelCap(10'000);
    b.replay(0);
    weftara::platform::setPicturePixelCap(0);
    // The zoom to 300 × 200 is refused with its message; the replay goes on.
    QCOMPARE(program.dialogs.messages().size(), 1);
    QVERIFY(program.dialogs.messages().first().contains(QStringLiteral("300 × 200")));
    QCOMPARE(b.s.picture(ws::Picture::Base).size(), QSize(60, 40));
    QCOMPARE(withoutSize(b.s.log().lines()), (QStringList{"Motoe=" + program.base(), "SelectedItem=0", "単色 0"}));
}

void RecipeTripTest::sampleRecipesReplay()
{
    // The recipes shipped beside the program, over the sample collections,
    // as a new user meets them: paths of another machine, found through
    // the fallback folders.
    Program program;
    const QDir samples(QStringLiteral(WEFTARA_SAMPLES_DIR));
    QVERIFY(QFile::copy(QStringLiteral(WEFTARA_SAMPLE_RECIPES), program.recipes()));
    for (const QString &sub : {QStringLiteral("Motoe"), QStringLiteral("Garae")}) {
        const QStringList files = QDir(samples.filePath(sub)).entryList(QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString &name : files)
            QFile::copy(samples.filePath(sub + '/' + name), program.dir.filePath(sub + '/' + name));
    }
    Window b(program);
    b.w.recipeBook().openPanel();
    const int count = b.w.recipePanel().nameList()->count();
    QVERIFY(count >= 4);
    for (int row = 0; row < count; ++row) {
        b.replay(row);
        QVERIFY2(program.dialogs.messages().isEmpty(), qPrintable(program.dialogs.messages().join('|')));
        const QStringList log = b.s.log().lines();
        QVERIFY(log.value(0).startsWith(QStringLiteral("Motoe=") + program.dir.path()));
        QVERIFY(log.contains(QStringLiteral("Orikomi")));
        const QImage woven = b.woven();
        QVERIFY(woven.width() >= 480);
        // A real picture, not an empty or one-coloured surface.
        QSet<QRgb> colours;
        for (int y = 0; y < woven.height(); y += 7)
            for (int x = 0; x < woven.width(); x += 7)
                colours.insert(woven.pixel(x, y) & 0xFFFFFF);
        QVERIFY2(colours.size() > 50, qPrintable(QString::number(colours.size())));
    }
}
