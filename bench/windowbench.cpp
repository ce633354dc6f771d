// Times what a user waits for in the real main window, shown on the offscreen
// platform, from the input to the last repaint:
//  - a click on "元絵集" with the sample collection until its thumbnails are
//    shown (a new window each time, since a collection already drawn is only
//    shown again);
//  - the weave ratio slider released until the woven picture of a
//    6000 x 4000 base is repainted;
//  - a click on a recipe of 17 steps on a 4000 x 3000 JPEG base (load base
//    and pattern, two weaves, tone, zoom, eleven effects) until its last
//    picture is shown, the JPEG decode included.
//
//   weftara_window_bench [repetitions]
//
// Each wait is timed by the wall clock, as the user sees it; the best is the
// fairest figure on a shared machine. The paints column counts the paint
// events of picture surfaces and the megapixels they covered.

#include "benchsupport.h"

#include "app/mainwindow.h"
#include "platform/surfaceview.h"
#include "recipes/recipebook.h"
#include "recipes/recipepanel.h"
#include "support/scripteddialogs.h"
#include "workspace/controlpanel.h"
#include "workspace/workspace.h"
#include "workspace/workspaceform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPaintEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

using namespace weftara;
using workspace::EffectButton;
using workspace::Picture;
using workspace::Tab;

constexpr QSize LargeBase(6000, 4000);
constexpr QSize PhotoBase(4000, 3000);
constexpr QSize PatternSize(320, 240);
constexpr QSize WindowSize(1280, 860);
const QString ReplayName = QStringLiteral("十七手");

// Counts the paint events of picture surfaces and the pixels they cover.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    double pixels = 0;
    void reset() { paints = 0, pixels = 0; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<platform::SurfaceView *>(watched)) {
            ++paints;
            for (const QRect &rect : static_cast<QPaintEvent *>(event)->region())
                pixels += double(rect.width()) * rect.height();
        }
        return false;
    }
};

// Lets the window handle everything posted, the repaints included.
void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// The main window with dialogs that answer without a person, shown.
struct Window
{
    explicit Window(const QString &folder)
        : main(platform::ProgramFolder(folder), &dialogs)
    {
        main.resize(WindowSize);
        main.show();
        settle();
    }
    workspace::Workspace &ws() { return main.form().workspace(); }

    testing::ScriptedDialogs dialogs;
    app::MainWindow main;
};

void replay(Window &window, const QString &name)
{
    window.main.recipeBook().openPanel();
    QListWidget *names = window.main.recipePanel().nameList();
    const QList<QListWidgetItem *> found = names->findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) {
        std::fprintf(stderr, "no recipe %s\n", qPrintable(name));
        std::exit(1);
    }
    names->setCurrentItem(found.first());
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, names->visualItemRect(found.first()).center());
}

// The pictures, made once into the cache folder.
QString ensurePicture(const QString &folder, const QString &name, int index, QSize size)
{
    const QString path = QDir(folder).filePath(name);
    if (!QFileInfo::exists(path)) {
        std::printf("Generating %s ...\n", qPrintable(path));
        std::fflush(stdout);
        QDir().mkpath(folder);
        if (!bench::makePicture(index, 8, size).save(path + QStringLiteral(".part"), "jpg", 90)
            || !QFile::rename(path + QStringLiteral(".part"), path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            std::exit(1);
        }
    }
    return path;
}

bool copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QStringList names = QDir(from).entryList(QDir::Files);
    return !names.isEmpty() && std::all_of(names.begin(), names.end(), [&](const QString &name) {
        return QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name));
    });
}

// A recipe that loads the base and the pattern and weaves them at 50.
QString loadAndWeave(const QString &name, const QString &base, const QString &pattern)
{
    return QStringLiteral("詞初め%1\r\n詞の説明=\r\nMotoe=%2\r\nGarae=%3\r\nText2= 50\r\nOrikomi\r\n詞終わり\r\n")
        .arg(name, base, pattern);
}

void report(const char *what, const bench::Timing &t, double target, const PaintCounter &paints)
{
    std::printf("%-52s %9.1f ms %9.1f ms %9.1f ms %7.1f ms %s %5d paints %7.1f MP\n", what, t.best * 1e3,
                t.median * 1e3, t.processor * 1e3, target * 1e3, t.median < target ? "ok  " : "OVER",
                paints.paints, paints.pixels / 1e6);
}

// Runs `wait` `repetitions` times after `prepare` and counts the last run's
// paints.
bench::Timing measureWait(int repetitions, PaintCounter &paints, const std::function<void()> &prepare,
                          const std::function<void()> &wait)
{
    std::vector<double> wall;
    std::vector<double> processor;
    for (int r = 0; r < repetitions; ++r) {
        prepare();
        paints.reset();
        const bench::Timing run = bench::measure(1, [&] {
            wait();
            settle();
        });
        wall.push_back(run.best);
        processor.push_back(run.processor);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(processor.begin(), processor.end());
    return {wall.front(), wall[wall.size() / 2], processor[processor.size() / 2]};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    const QString cache = QStringLiteral(WEFTARA_BENCH_CACHE "/window");
    const QString large = ensurePicture(cache, QStringLiteral("base-6000x4000.jpg"), 1, LargeBase);
    const QString photo = ensurePicture(cache, QStringLiteral("base-4000x3000.jpg"), 2, PhotoBase);
    const QString pattern = ensurePicture(cache, QStringLiteral("pattern-320x240.jpg"), 3, PatternSize);

    const QTemporaryDir program;
    const QString samples = QStringLiteral(WEFTARA_SAMPLES_FOLDER);
    if (!program.isValid() || !copyFolder(samples + QStringLiteral("/Motoe"), program.filePath(QStringLiteral("Motoe")))
        || !copyFolder(samples + QStringLiteral("/Garae"), program.filePath(QStringLiteral("Garae")))) {
        std::fprintf(stderr, "cannot copy the sample collections from %s\n", qPrintable(samples));
        return 1;
    }
    {
        QFile recipes(program.filePath(QStringLiteral("kotoba.txt")));
        if (!recipes.open(QIODevice::WriteOnly)
            || recipes.write((loadAndWeave(QStringLiteral("大"), large, pattern)
                              + loadAndWeave(QStringLiteral("写真"), photo, pattern))
                                 .toUtf8())
                < 0)
            return 1;
    }

    std::printf("%s\n", bench::machineDescription().c_str());
    std::printf("window %dx%d, %d repetitions; wall clock, processor time of the whole process\n\n",
                WindowSize.width(), WindowSize.height(), repetitions);
    std::printf("%-52s %12s %12s %12s %10s\n", "", "best", "median", "processor", "target");

    PaintCounter paints;
    application.installEventFilter(&paints);

    {
        std::unique_ptr<Window> window;
        const bench::Timing t = measureWait(
            repetitions, paints, [&] { window.reset(), window = std::make_unique<Window>(program.path()); },
            [&] { window->main.form().clickTab(Tab::BaseCollection); });
        report("click on 元絵集 (11 samples) -> thumbnails shown", t, 0.1, paints);
    }
    {
        Window window(program.path());
        replay(window, QStringLiteral("大"));
        settle();
        QScrollBar *slider = window.main.form().controlPanel()->weaveRatioSlider();
        int k = 0;
        const bench::Timing t = measureWait(repetitions, paints, [] {}, [&] { slider->setValue(++k % 2 ? 40 : 60); });
        report("weave ratio released -> woven repainted, 6000x4000", t, 0.06, paints);
    }
    {
        // The recipe is recorded as a user makes it, then replayed.
        Window window(program.path());
        workspace::Workspace &ws = window.ws();
        workspace::ControlPanel &panel = *window.main.form().controlPanel();
        replay(window, QStringLiteral("写真"));
        settle();
        // The second weave, into the light parts, is a step of its own in
        // the log (a plain weave right after a plain one replaces it).
        ws.controls().weaveRatioSlider.setValue(35);
        ws.controls().thresholdBoxes[engine::WeavePart::Light].setText(QStringLiteral("200"));
        ws.controls().weaveOptionCheckBoxes[engine::WeavePart::Light].setChecked(true);
        panel.effectButton(EffectButton::Weave)->click();
        ws.controls().toneBox.setText(QStringLiteral("20"));
        panel.effectButton(EffectButton::Tone)->click();
        ws.controls().zoomBox.setText(QStringLiteral("80"));
        panel.effectButton(EffectButton::Zoom)->click();
        constexpr EffectButton effects[] = {EffectButton::Gray,      EffectButton::Solarize, EffectButton::FadeTop,
                                            EffectButton::FadeLeft,  EffectButton::Emphasize, EffectButton::FadeRight};
        for (int i = 0; i < 11; ++i)
            panel.effectButton(effects[i % 6])->click();
        settle();
        const QImage made = ws.picture(Picture::Woven).image().copy();
        window.main.recipeBook().openPanel();
        window.main.recipePanel().nameBox()->setText(ReplayName);
        window.main.recipePanel().saveButton()->click();

        const bench::Timing t = measureWait(repetitions, paints, [] {}, [&] { replay(window, ReplayName); });
        report("click on a 17-step recipe -> last picture, 4000x3000", t, 0.4, paints);
        if (ws.picture(Picture::Woven).image() != made) {
            std::fprintf(stderr, "the replay did not make the recorded picture\n");
            return 1;
        }
    }
    return 0;
}
